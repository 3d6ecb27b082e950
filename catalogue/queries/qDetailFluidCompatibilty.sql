SELECT FluidName FROM Fluids ORDER BY SortOrder
