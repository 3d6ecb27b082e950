-- The kits of the chosen type that the five filters leave; a kit that a filter does not concern
-- ('') passes it.
SELECT RepairKit, PartNumber FROM RepairKits
WHERE KitType = :parRepairKitType
  AND (:parSizeCombo = '*' OR Size IN (:parSizeCombo, ''))
  AND (:parSealCombo = '*' OR Seal IN (:parSealCombo, ''))
  AND (:parConstruction = '*' OR Construction IN (:parConstruction, ''))
  AND (:parService = '*' OR Service IN (:parService, ''))
  AND (:parPort = '*' OR Port IN (:parPort, ''))
ORDER BY SortOrder
