-- Empties the bladder mailbox before a new request is written.
DELETE FROM BA_Mailbox
