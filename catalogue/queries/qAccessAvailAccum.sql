-- The accumulator types that accessories are offered for.
SELECT Accumulator FROM AccessoryAccumulators ORDER BY SortOrder
