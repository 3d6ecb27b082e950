-- The constructions of the chosen kit type that the other filters leave. The list's own filter is
-- not applied, so another value can be chosen straight away; a kit that a filter does not
-- concern ('') passes it.
SELECT Construction FROM RepairKits
WHERE KitType = :parRepairKitType
  AND (:parSizeCombo = 'View All' OR Size IN (:parSizeCombo, ''))
  AND (:parSealCombo = 'View All' OR Seal IN (:parSealCombo, ''))
  AND (:parService = 'View All' OR Service IN (:parService, ''))
  AND (:parPort = 'View All' OR Port IN (:parPort, ''))
  AND Construction <> '' AND :parConstruction IS NOT NULL
GROUP BY Construction
ORDER BY Construction
