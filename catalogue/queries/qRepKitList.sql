-- The kits of the chosen type that the five filters leave; a kit that a filter does not concern
-- ('') passes it.
SELECT RepairKit, PartNumber FROM RepairKits
WHERE KitType = :parRepairKitType
  AND (:parSizeCombo = 'View All' OR Size IN (:parSizeCombo, ''))
  AND (:parSealCombo = 'View All' OR Seal IN (:parSealCombo, ''))
  AND (:parConstruction = 'View All' OR Construction IN (:parConstruction, ''))
  AND (:parService = 'View All' OR Service IN (:parService, ''))
  AND (:parPort = 'View All' OR Port IN (:parPort, ''))
ORDER BY SortOrder
