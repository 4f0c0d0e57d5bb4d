[Version] 2.0
# Hz Z MA R 50
[Number of Ports] 2
[Number of Frequencies] 1
[Matrix Format] Lower
[Network Data]
1 50 0 10 0 50 0
[End]
