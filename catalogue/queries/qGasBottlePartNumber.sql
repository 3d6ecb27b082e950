-- The default gas port and valve port of a GB series gas bottle.
SELECT Code, CodeLocation, Kind AS CodeType, Description
FROM DetailChoices
WHERE AccumulatorType = :parAccumType AND IsDefault AND Kind IN ('Gas Port', 'Gas Valve Port')
ORDER BY CodeLocation
