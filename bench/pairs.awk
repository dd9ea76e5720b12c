# Writes `pairs` rows of a batch file: external and internal pairs, spur and helical, with tooth
# counts, pitches and angles that vary from row to row; diameters and center distance left to the
# estimates. Usage: awk -v pairs=N -f bench/pairs.awk
BEGIN {
  print "type,nt1,nt2,dp,pa,ha,od1,od2,cd"
  for (i = 0; i < pairs; i++) {
    nt1 = 12 + i % 29
    nt2 = nt1 + 20 + i % 53
    dp = 4 + (i % 17) * 0.5
    pa = (i % 3 == 0) ? "14.5" : (i % 3 == 1) ? "20" : "25"
    ha = (i % 4 == 0) ? "15" : ""
    type = (i % 5 == 0) ? "internal" : "external"
    printf "%s,%d,%d,%s,%s,%s,,,\n", type, nt1, nt2, dp, pa, ha
  }
}
