SELECT MapKey, FieldLabel FROM ReportLabels ORDER BY MapKey
