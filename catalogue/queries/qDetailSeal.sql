SELECT Code, CodeLocation, Description FROM Seals WHERE AccumulatorType = :parAccumType ORDER BY SortOrder
