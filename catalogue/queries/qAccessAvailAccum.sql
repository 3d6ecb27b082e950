-- The accumulator types that accessories are offered for: the key the other queries take, and its name.
SELECT Accumulator, Description FROM AccessoryAccumulators ORDER BY SortOrder
