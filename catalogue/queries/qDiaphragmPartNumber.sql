-- The default detail codes of a diaphragm model.
SELECT s.Code, s.CodeLocation, 'Diaphragm' AS CodeType, s.Description
FROM Seals s WHERE s.AccumulatorType = 'Diaphragm' AND s.IsDefault
  AND EXISTS (SELECT 1 FROM Series WHERE SeriesCode = :parSeries AND AccumulatorType = 'Diaphragm')
UNION ALL
SELECT d.Code, d.CodeLocation, d.Kind, d.Description
FROM DetailChoices d
WHERE d.AccumulatorType = 'Diaphragm' AND d.IsDefault AND d.SeriesCode IN ('*', :parSeries)
  AND d.Kind IN ('Construction', 'Certification', 'Port')
