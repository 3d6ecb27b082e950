-- The bores of a piston series that have models.
SELECT b.BoreCode AS NomBore, b.BoreLocation AS CodeLocation, b.BoreDisplay, b.BoreUnits
FROM Bores b
WHERE EXISTS (SELECT 1 FROM Models m WHERE m.SeriesCode = :parSeries AND m.BoreCode = b.BoreCode)
ORDER BY b.BoreIn
