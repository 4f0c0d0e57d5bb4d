[Version] 2.0
# MHz Y RI R 50
[Number of Ports] 1
[Begin Information]
[Manufacturer] x
[End Information]
[Number of Frequencies] 1
[Matrix Format] Full
[Network Data]
7.1 0.01 0
[End]
