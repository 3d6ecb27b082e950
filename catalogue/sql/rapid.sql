-- Rapid selection: the series whose model numbers the code lists can build, and the few
-- choices that only the rapid selection's lists show. Every other list reads the tables the
-- model and details steps read, so a model number built here is the one those steps build.
--
-- The piston- and bladder-style gas bottles (PG, BG) and the transfer barriers (TB) are left
-- out: their model numbers carry codes (gas ports, services) that no list of their type holds.

CREATE TABLE RapidSeries (
    SeriesCode TEXT PRIMARY KEY REFERENCES Series, SortOrder INTEGER NOT NULL);

-- Positions no list of the catalogue fills for a type: one placeholder each, "_" adding
-- nothing to the model number. Kind names the list.
CREATE TABLE RapidChoices (
    AccumulatorType TEXT NOT NULL, Kind TEXT NOT NULL, Code TEXT NOT NULL, CodeLocation INTEGER NOT NULL,
    Description TEXT NOT NULL, SortOrder INTEGER NOT NULL, PRIMARY KEY (AccumulatorType, Kind, Code));

INSERT INTO RapidSeries (SeriesCode, SortOrder) VALUES
    ('PA', 1), ('PM', 2), ('BA', 3), ('BH', 4), ('DA', 5), ('GB', 6), ('OV', 7);

INSERT INTO RapidChoices (AccumulatorType, Kind, Code, CodeLocation, Description, SortOrder) VALUES
    ('Piston', 'Options', '_', 12, _('No Options'), 1),
    ('Diaphragm', 'Design Code', '_', 8, _('Current Design'), 1),
    ('GB', 'Construction', '_', 6, _('Carbon Steel Shell'), 1),
    ('GB', 'Design Variation', '_', 7, _('Standard Bottle'), 1),
    ('GB', 'Design Code', '_', 8, _('Current Design'), 1),
    ('OV', 'Pressure', '_', 7, _('Vented Reservoir (No Pressure Rating)'), 1),
    ('OV', 'Variation', '_', 8, _('Standard Isolator'), 1);
