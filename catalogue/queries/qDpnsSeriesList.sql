-- The series rapid selection builds model numbers for, with the product type that picks the dialog.
SELECT s.SeriesCode AS Series, s.Description AS SeriesCodesDescription, s.AccumulatorType
FROM RapidSeries r JOIN Series s ON s.SeriesCode = r.SeriesCode
ORDER BY r.SortOrder
