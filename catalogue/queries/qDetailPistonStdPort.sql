-- The standard ports of a piston model, as one line of text; nothing when the
-- standard fluid port is not rated for the model's pressure (Pa).
SELECT printf(_('%s %s fluid port; %s'), hz.Size, ht.Type,
              CASE WHEN gt.TypeCode = 'V' THEN gt.Type ELSE gz.Size || ' ' || gt.Type END) AS StandardPortDescription
FROM PistonStdPorts sp
JOIN PistonPortTypes ht ON ht.Side = 'Hyd' AND ht.TypeCode = sp.HydType
JOIN PistonPortSizes hz ON hz.Side = 'Hyd' AND hz.TypeCode = sp.HydType AND hz.SizeCode = sp.HydSize
JOIN PistonPortTypes gt ON gt.Side = 'Gas' AND gt.TypeCode = sp.GasType
JOIN PistonPortSizes gz ON gz.Side = 'Gas' AND gz.TypeCode = sp.GasType AND gz.SizeCode = sp.GasSize
WHERE sp.BoreCode = :ParBoreSize AND sp.DesignNumber = :parDesignNumber
  AND EXISTS (SELECT 1 FROM PressureClasses p WHERE p.SeriesCode = :ParSeries AND p.PressureCode = :parPressureCode)
  AND ht.MaxPsi * 6894.757 + 101314.224 >= :parPressure
