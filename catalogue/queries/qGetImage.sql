SELECT Image FROM Images WHERE ImageName = :parImageName
