[Version] 2.0
# Hz S RI R 50
[Number of Ports] 2
[Two-Port Data Order] 12_21
[Number of Frequencies] 1
[Reference] 75
 25
[Network Data]
1 0.1 0.2 0.7 -0.3 0.6 -0.4 -0.2 0.1
[End]
