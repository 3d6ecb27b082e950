-- The reference topic of a dialog, for a series or for all ("ALL").
SELECT RefJump FROM RefJumps WHERE SeriesName = :parSeries AND Dialog = :parDialog
