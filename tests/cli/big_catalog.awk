# A catalog of some megabytes, CR LF, for tests that need a change to take a
# moment: `titles` discs of `folders` folders of `files` pictures each; the
# disc numbered `victim` (if any) is called "Victim".
# Usage: awk -v titles=N -v folders=N -v files=N [-v victim=N] -f big_catalog.awk >FILE
BEGIN {
  for (t = 1; t <= titles; t++) {
    printf "|||%s\r\n", (t == victim ? "Victim" : "Disc " t)
    for (d = 1; d <= folders; d++) {
      printf "\\Folder%d\r\n", d
      for (f = 1; f <= files; f++) printf "picture_%d_%d_%d.jpg:%02d/%02d/%02d\r\n", t, d, f, f % 12 + 1, f % 28 + 1, f % 20
      printf "..\r\n"
    }
    printf "<eof>\r\n"
  }
}
