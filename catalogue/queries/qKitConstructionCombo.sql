-- The constructions of the chosen kit type that the other filters leave. The list's own filter is
-- not applied, so another value can be chosen straight away; a kit that a filter does not
-- concern ('') passes it.
SELECT Construction FROM RepairKits
WHERE KitType = :parRepairKitType
  AND (:parSizeCombo = '*' OR Size IN (:parSizeCombo, ''))
  AND (:parSealCombo = '*' OR Seal IN (:parSealCombo, ''))
  AND (:parService = '*' OR Service IN (:parService, ''))
  AND (:parPort = '*' OR Port IN (:parPort, ''))
  AND Construction <> '' AND :parConstruction IS NOT NULL
GROUP BY Construction
ORDER BY Construction
