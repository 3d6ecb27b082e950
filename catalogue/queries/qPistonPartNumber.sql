-- The default detail codes of a piston model: seal, standard ports (with gas
-- bottles the gas valve gives way to a gas port), construction and approval.
WITH std AS (
    SELECT sp.HydType, sp.HydSize,
           CASE WHEN :parGasBottle <> 0 THEN sp.GBGasType ELSE sp.GasType END AS GasType,
           CASE WHEN :parGasBottle <> 0 THEN sp.GBGasSize ELSE sp.GasSize END AS GasSize
    FROM PistonStdPorts sp
    WHERE sp.BoreCode = :parBore AND sp.DesignNumber = :parDesNumber
      AND EXISTS (SELECT 1 FROM PressureClasses p WHERE p.PressureCode = :parPressure))
SELECT s.Code, s.CodeLocation, 'Seals' AS CodeType, s.Description
FROM Seals s WHERE s.AccumulatorType = :parAccumType AND s.IsDefault AND EXISTS (SELECT 1 FROM std)
UNION ALL
SELECT t.TypeCode, t.Location, 'Hydraulic Type', t.Type
FROM std JOIN PistonPortTypes t ON t.Side = 'Hyd' AND t.TypeCode = std.HydType
UNION ALL
SELECT z.SizeCode, z.Location, 'Hydraulic Size', z.Size
FROM std JOIN PistonPortSizes z ON z.Side = 'Hyd' AND z.TypeCode = std.HydType AND z.SizeCode = std.HydSize
UNION ALL
SELECT t.TypeCode, t.Location, 'Gas Type', t.Type
FROM std JOIN PistonPortTypes t ON t.Side = 'Gas' AND t.TypeCode = std.GasType
UNION ALL
SELECT z.SizeCode, z.Location, 'Gas Size', z.Size
FROM std JOIN PistonPortSizes z ON z.Side = 'Gas' AND z.TypeCode = std.GasType AND z.SizeCode = std.GasSize
UNION ALL
SELECT c.Code, c.CodeLocation, 'Construction', c.Construction
FROM PistonConstructions c WHERE c.SortOrder = 1 AND EXISTS (SELECT 1 FROM std)
UNION ALL
SELECT c.Code, c.CodeLocation, 'Approval', c.Approval
FROM PistonConstructions c WHERE c.SortOrder = 1 AND EXISTS (SELECT 1 FROM std)
