-- The seal, bladder or diaphragm compounds of a product type.
SELECT Code, CodeLocation, Description
FROM Seals
WHERE AccumulatorType = :parAccumType
ORDER BY SortOrder
