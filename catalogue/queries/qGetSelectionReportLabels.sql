-- The value keys of the report, in the program's order, each with the caption of its label key
-- (the key with VAL turned into LBL, or LBL appended); keys without a caption have empty text.
SELECT v.MapKey,
       COALESCE(l.FieldLabel, '') AS FieldLabel
FROM ReportValueKeys v
LEFT JOIN ReportLabels l
       ON l.MapKey = CASE WHEN v.MapKey GLOB '*VAL' THEN substr(v.MapKey, 1, length(v.MapKey) - 3) || 'LBL'
                          ELSE v.MapKey || 'LBL' END
ORDER BY v.SortOrder
