-- The ports of the chosen kit type that the other filters leave. The list's own filter is
-- not applied, so another value can be chosen straight away; a kit that a filter does not
-- concern ('') passes it.
SELECT Port FROM RepairKits
WHERE KitType = :parRepairKitType
  AND (:parSizeCombo = '*' OR Size IN (:parSizeCombo, ''))
  AND (:parSealCombo = '*' OR Seal IN (:parSealCombo, ''))
  AND (:parConstruction = '*' OR Construction IN (:parConstruction, ''))
  AND (:parService = '*' OR Service IN (:parService, ''))
  AND Port <> '' AND :parPort IS NOT NULL
GROUP BY Port
ORDER BY Port
