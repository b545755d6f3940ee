// The artwork of the game lives in this library's resources; the code is only the anchor.
int TvdlAssetsAnchor = 0;
