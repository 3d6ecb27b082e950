-- The lowest temperature any seal compound takes, in deg F.
SELECT MIN(TempLowF) AS MinTemp FROM Seals
