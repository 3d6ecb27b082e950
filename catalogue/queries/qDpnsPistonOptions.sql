-- No option, or one option that the bore allows, as the option code the details step forms for it.
SELECT Code AS OptionCode, CodeLocation, Description, '' AS PartNumberCode, 0 AS SortOrder
FROM RapidChoices
WHERE AccumulatorType = 'Piston' AND Kind = 'Options'
  AND EXISTS (SELECT 1 FROM Models m WHERE m.SeriesCode = :parSeries AND m.BoreCode = :parBoreSize)
UNION ALL
SELECT '-' || o.PartNumberCode, 12, o.Option, o.PartNumberCode, o.SortOrder
FROM PistonOptions o JOIN Bores b ON b.BoreCode = :parBoreSize
WHERE o.MinBoreIn <= b.BoreIn
  AND EXISTS (SELECT 1 FROM Models m WHERE m.SeriesCode = :parSeries AND m.BoreCode = :parBoreSize)
ORDER BY 5
