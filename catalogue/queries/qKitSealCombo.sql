-- The seal compounds of the chosen kit type that the other filters leave. The list's own filter is
-- not applied, so another value can be chosen straight away; a kit that a filter does not
-- concern ('') passes it.
SELECT Seal FROM RepairKits
WHERE KitType = :parRepairKitType
  AND (:parSizeCombo = 'View All' OR Size IN (:parSizeCombo, ''))
  AND (:parConstruction = 'View All' OR Construction IN (:parConstruction, ''))
  AND (:parService = 'View All' OR Service IN (:parService, ''))
  AND (:parPort = 'View All' OR Port IN (:parPort, ''))
  AND Seal <> '' AND :parSealCombo IS NOT NULL
GROUP BY Seal
ORDER BY Seal
