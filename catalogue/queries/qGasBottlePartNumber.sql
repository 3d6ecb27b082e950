-- The default gas port and valve port of a GB series gas bottle (the bottles of the piston and
-- bladder kinds take theirs in the details step).
SELECT Code, CodeLocation, Kind AS CodeType, Description
FROM DetailChoices
WHERE AccumulatorType = :parAccumType AND IsDefault AND Kind IN ('Gas Port', 'Gas Valve Port')
  AND (SeriesCode = '*' OR SeriesCode IN (SELECT SeriesCode FROM Series WHERE AccumulatorType = :parAccumType))
ORDER BY CodeLocation
