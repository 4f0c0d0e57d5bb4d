[Version] 2.1
# GHz S MA R 50 25
[Number of Ports] 2
[Two-Port Data Order] 21_12
[Number of Frequencies] 2
[Network Data]
1 0.1 20 0.6 -40 0.7 -30 0.2 10
2 0.1 25 0.6 -45 0.7 -35 0.2 15
[End]
