-- Dimensions of a piston model for the report; the ports follow the chosen port
-- modifications where the port style has them, else the standard ports.
WITH m AS (
    SELECT *, CASE LengthUnits WHEN 'MM' THEN ' mm' ELSE ' in' END AS L,
           CASE WeightUnits WHEN 'KG' THEN ' kg' ELSE ' lb' END AS W
    FROM Models
    WHERE SeriesCode = :parSeries AND PressureCode = :parPressure AND BoreCode = :parBore AND CapCode = :parCapacity),
std AS (SELECT * FROM PistonStdPorts WHERE BoreCode = :parBore AND DesignNumber = :parDesCode),
hyd AS (
    SELECT COALESCE(
        (SELECT z.Size || ', ' || t.Type FROM PistonPortSizes z JOIN PistonPortTypes t ON t.Side = z.Side AND t.TypeCode = z.TypeCode
         WHERE z.Side = 'Hyd' AND z.TypeCode = :parPortTypeCode AND z.SizeCode = :parPortSizeCode AND :parDesCode <> '1'),
        (SELECT z.Size || ', ' || t.Type FROM std JOIN PistonPortSizes z ON z.Side = 'Hyd' AND z.TypeCode = std.HydType AND z.SizeCode = std.HydSize
         JOIN PistonPortTypes t ON t.Side = z.Side AND t.TypeCode = z.TypeCode)) AS Port),
gas AS (
    SELECT COALESCE(
        (SELECT CASE WHEN t.TypeCode = 'V' THEN t.Type ELSE z.Size || ', ' || t.Type END
         FROM PistonPortSizes z JOIN PistonPortTypes t ON t.Side = z.Side AND t.TypeCode = z.TypeCode
         WHERE z.Side = 'Gas' AND z.TypeCode = :parGasPortTypeCode AND z.SizeCode = :parGasPortSizeCode AND :parDesCode <> '1'),
        (SELECT CASE WHEN t.TypeCode = 'V' THEN t.Type ELSE z.Size || ', ' || t.Type END
         FROM std JOIN PistonPortSizes z ON z.Side = 'Gas' AND z.TypeCode = std.GasType AND z.SizeCode = std.GasSize
         JOIN PistonPortTypes t ON t.Side = z.Side AND t.TypeCode = z.TypeCode)) AS Port),
options AS (
    SELECT group_concat(Option, ', ') AS Names
    FROM (SELECT Option FROM PistonOptions WHERE instr(:parOptions, PartNumberCode) > 0 ORDER BY SortOrder)),
rows(Ord, Dim, Value) AS (
    SELECT 1, _('A - Overall Length'), _num(OverallLength) || L FROM m
    UNION ALL SELECT 2, _('B - Outside Diameter'), _num(OutsideDiameter) || L FROM m
    UNION ALL SELECT 3, _('C - Hydraulic Port'), hyd.Port FROM m, hyd
    UNION ALL SELECT 4, _('D - Gas Valve / Port'), gas.Port FROM m, gas
    UNION ALL SELECT 5, _('Gas Volume'), _num(Capacity) || CASE CapacityUnits WHEN 'CU_IN' THEN ' in' || char(179) WHEN 'GAL' THEN ' gal' WHEN 'L' THEN ' L' ELSE '' END FROM m
    UNION ALL SELECT 6, _('Weight (approx.)'), _num(Weight) || W FROM m
    UNION ALL SELECT 7, _('Options'), options.Names FROM m, options WHERE options.Names IS NOT NULL)
SELECT Dim, Value FROM rows ORDER BY Ord
