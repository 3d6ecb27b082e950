-- The seal compounds of the chosen kit type that the other filters leave. The list's own filter is
-- not applied, so another value can be chosen straight away; a kit that a filter does not
-- concern ('') passes it.
SELECT Seal FROM RepairKits
WHERE KitType = :parRepairKitType
  AND (:parSizeCombo = '*' OR Size IN (:parSizeCombo, ''))
  AND (:parConstruction = '*' OR Construction IN (:parConstruction, ''))
  AND (:parService = '*' OR Service IN (:parService, ''))
  AND (:parPort = '*' OR Port IN (:parPort, ''))
  AND Seal <> '' AND :parSealCombo IS NOT NULL
GROUP BY Seal
ORDER BY Seal
