-- The transfer barriers of a series by rating, capacity and service; lengths in inches,
-- weights in pounds, as the series' bladder shells.
SELECT t.PressureCode, p.PressureLocation, p.PressureRating, p.PressUnits, t.CapCode, t.CapCodeLocation,
       t.Cap, t.CapUnits, t.ServiceCode, s.ServiceLocation, s.Service,
       t.OverallLength, t.OutsideDiameter, 'IN' AS LengthUnits, t.Weight, 'LB' AS WeightUnits
FROM TransferBarriers t
JOIN PressureClasses p ON p.SeriesCode = t.SeriesCode AND p.PressureCode = t.PressureCode
JOIN TransferBarrierServices s ON s.SeriesCode = t.SeriesCode AND s.ServiceCode = t.ServiceCode
JOIN Units u ON u.Code = t.CapUnits
WHERE t.SeriesCode = :parSeries
ORDER BY p.RatingPsi, t.Cap * u.Factor, s.SortOrder
