-- Variations of a reservoir isolator: the standard one, no code of its own.
SELECT Code, CodeLocation, Description FROM RapidChoices WHERE AccumulatorType = 'OV' AND Kind = 'Variation'
ORDER BY SortOrder
