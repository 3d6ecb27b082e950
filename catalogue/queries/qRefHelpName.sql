-- The reference document of a category of the reference menu.
SELECT Category, FileName FROM RefHelpNames WHERE Category = :parCategory
