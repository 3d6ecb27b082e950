-- "Y" when the flow per unit (CU_M_MIN) exceeds what the standard fluid port of
-- the model passes, so that oversize ports are needed; "N" otherwise. A capacity
-- code can belong to several bores, so the smallest of their ports decides.
SELECT CASE WHEN :parFlowRate / MAX(:parQty, 1) > MIN(b.StdFlowM3Min) THEN 'Y' ELSE 'N' END AS Result
FROM ModelsBase b
WHERE b.AccumulatorType = :parAccumType AND b.CapCode = :parCapacity AND b.PressureCode = :parPressure
  AND b.SeriesCode NOT IN ('PG', 'BG', 'GB')
