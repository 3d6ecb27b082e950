-- The highest pressure rating of the catalogue, in Pa.
SELECT MAX(RatingPa) AS MaxPressure FROM ModelsBase
