-- The breather port every reservoir isolator carries.
SELECT Code, CodeLocation, Description FROM SeriesFixedCodes WHERE SeriesCode = 'OV' AND CodeType = 'Breather'
