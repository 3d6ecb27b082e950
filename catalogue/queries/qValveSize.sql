SELECT Value, ActSize FROM ValveSizes ORDER BY SortOrder
