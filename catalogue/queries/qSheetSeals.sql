-- The seal (bladder, diaphragm) compounds of an accumulator type with their temperature range in
-- deg F and typical fluids.
SELECT Code, CodeLocation, Description, TypicalFluids, TempLowF, TempHighF, IsDefault FROM Seals
WHERE AccumulatorType = :parAccumType ORDER BY SortOrder
