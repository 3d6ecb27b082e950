-- The services of the chosen kit type that the other filters leave. The list's own filter is
-- not applied, so another value can be chosen straight away; a kit that a filter does not
-- concern ('') passes it.
SELECT Service FROM RepairKits
WHERE KitType = :parRepairKitType
  AND (:parSizeCombo = '*' OR Size IN (:parSizeCombo, ''))
  AND (:parSealCombo = '*' OR Seal IN (:parSealCombo, ''))
  AND (:parConstruction = '*' OR Construction IN (:parConstruction, ''))
  AND (:parPort = '*' OR Port IN (:parPort, ''))
  AND Service <> '' AND :parService IS NOT NULL
GROUP BY Service
ORDER BY Service
