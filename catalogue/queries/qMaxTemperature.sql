-- The highest temperature any seal compound takes, in deg F.
SELECT MAX(TempHighF) AS MaxTemp FROM Seals
