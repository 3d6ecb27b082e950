-- The kinds of repair kit.
SELECT KitType AS "Kit Type" FROM RepairKitTypes ORDER BY SortOrder
