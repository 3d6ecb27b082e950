-- Empties the piston mailbox before a new request is written.
DELETE FROM PA_Mailbox
