-- The seal compound a new selection starts with.
SELECT Code AS "Default" FROM Seals WHERE AccumulatorType = :parAccumType AND IsDefault
