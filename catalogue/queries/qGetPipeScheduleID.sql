-- Schedules of one nominal pipe size, with the inside diameter in inches.
SELECT ScheduleNumber, ID FROM PipeSchedules WHERE NominalSize = :parNomText ORDER BY SortOrder
