-- The dimension drawing of the report; the best match comes last.
SELECT Image
FROM ReportPictures
WHERE SeriesCode = :parSeries AND GasPortType IN ('*', :parGasPort) AND Construction IN ('*', :parConstruction)
  AND UserFlow IN ('*', :parUserFlow)
ORDER BY Priority
