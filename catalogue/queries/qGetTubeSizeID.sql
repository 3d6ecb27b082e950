-- Tube sizes with their inside diameter in inches.
SELECT NominalSize, ID FROM TubeSizes ORDER BY SortOrder
