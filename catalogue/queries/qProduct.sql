SELECT ProdType, ProdId, Description, Image FROM Products ORDER BY SortOrder
