-- A reservoir isolator has no pressure class.
SELECT Code, CodeLocation, Description FROM RapidChoices WHERE AccumulatorType = 'OV' AND Kind = 'Pressure'
ORDER BY SortOrder
