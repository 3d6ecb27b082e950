-- The default detail codes of a bladder model; a series' own default of a kind replaces the
-- default that every series has ('*'), as the transfer barriers' shell and top port do.
WITH valid AS (SELECT 1 FROM PressureClasses WHERE SeriesCode = :parSeries AND PressureCode = :parPressure)
SELECT s.Code, s.CodeLocation, 'Seal' AS CodeType, s.Description
FROM Seals s WHERE s.AccumulatorType = 'Bladder' AND s.IsDefault AND EXISTS (SELECT 1 FROM valid)
UNION ALL
SELECT DISTINCT d.Code, d.CodeLocation, d.Kind, d.Description
FROM DetailChoices d
WHERE d.AccumulatorType = 'Bladder' AND d.IsDefault AND d.SeriesCode IN ('*', :parSeries)
  AND d.Kind IN ('Hydraulic Port', 'Construction', 'Gas Type', 'Certification', 'Design Code', 'Modification')
  AND NOT (d.SeriesCode = '*' AND EXISTS (
      SELECT 1 FROM DetailChoices o
      WHERE o.AccumulatorType = 'Bladder' AND o.IsDefault AND o.Kind = d.Kind AND o.SeriesCode = :parSeries))
  AND EXISTS (SELECT 1 FROM valid)
