SELECT NominalSize FROM PipeSizes ORDER BY SortOrder
