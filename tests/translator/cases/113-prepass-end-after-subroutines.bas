sub prova
x = 1
end sub
end
