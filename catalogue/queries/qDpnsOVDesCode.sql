-- The design generation of the reservoir isolators.
SELECT Code, CodeLocation, Description FROM SeriesFixedCodes WHERE SeriesCode = 'OV' AND CodeType = 'Design Code'
