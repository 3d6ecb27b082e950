-- Reservoir isolators that take the required change of volume: 1.2 x the cylinders' and
-- accumulators' capacities, or the volume between the fluid levels (base units: CU_M, M). A
-- method not used passes zeros. The three smallest sizes that fit, each in every construction.
WITH req(Required) AS (
    SELECT MAX(1.2 * (:parVcylinder + :parVaccumulator),
               (:parHighfluid - :parLowfluid) * :parLength * :parWidth)),
fit AS (
    SELECT s.* FROM OvrisolSizes s, req
    WHERE s.ActualCapacity >= req.Required * (1.0 - 1e-9)
    ORDER BY s.ActualCapacity LIMIT 3)
SELECT s.CapDisplay, s.CapDisplayUnits, c.Construction, s.SeriesCode AS Series, se.SeriesLocation,
       s.SizeCode, s.SizeLocation, c.Code AS ConstructionCode, c.CodeLocation AS ConstructionLocation
FROM fit s
JOIN Series se ON se.SeriesCode = s.SeriesCode
JOIN OvrisolConstructions c ON c.SeriesCode = s.SeriesCode
 AND (c.SizeCodes = '*' OR instr(',' || c.SizeCodes || ',', ',' || s.SizeCode || ',') > 0)
ORDER BY s.ActualCapacity, c.SortOrder
