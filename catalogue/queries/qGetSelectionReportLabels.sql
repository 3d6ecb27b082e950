SELECT MapKey FROM ReportValueKeys ORDER BY SortOrder
