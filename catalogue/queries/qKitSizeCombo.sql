-- The sizes of the chosen kit type that the other filters leave. The list's own filter is
-- not applied, so another value can be chosen straight away; a kit that a filter does not
-- concern ('') passes it.
SELECT Size FROM RepairKits
WHERE KitType = :parRepairKitType
  AND (:parSealCombo = '*' OR Seal IN (:parSealCombo, ''))
  AND (:parConstruction = '*' OR Construction IN (:parConstruction, ''))
  AND (:parService = '*' OR Service IN (:parService, ''))
  AND (:parPort = '*' OR Port IN (:parPort, ''))
  AND Size <> '' AND :parSizeCombo IS NOT NULL
GROUP BY Size
ORDER BY MIN(SizeOrder), Size
