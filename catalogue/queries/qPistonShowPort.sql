-- Whether a piston with alternate ports (style 2) shows its port codes in the
-- model number: when they differ from the standard ports of the bore, or the
-- standard fluid port is not rated for the pressure.
SELECT b.Value AS ShowPort
FROM Bools b
WHERE b.Value = (
    SELECT sp.HydType <> :parHydraulicType OR sp.HydSize <> :parHydraulicSize OR sp.GasType <> :parGasType
           OR t.MaxPsi * 6894.757 + 101314.224 < :parPressure
    FROM PistonStdPorts sp
    JOIN PistonPortTypes t ON t.Side = 'Hyd' AND t.TypeCode = sp.HydType
    WHERE sp.BoreCode = :parBoreSize AND sp.DesignNumber = :parDesignNumber
      AND EXISTS (SELECT 1 FROM PressureClasses p WHERE p.SeriesCode = :parSeries AND p.PressureCode = :parPressureCode))
