-- The sizes of an accumulator type, with the bore of piston accumulators.
SELECT Cap, CapUnits, CapCode, NomBore, BoreDisplay, BoreUnits
FROM AccessorySizes WHERE Accumulator = :parAccumType
ORDER BY SortOrder
