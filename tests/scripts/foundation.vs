# The main window as it opens, the fee base amount and the base price.
state
> {"state":{"Form1":{"open":true,"focus":"Combo2","controls":{"Combo2":{"text":""},"Check4":{"value":0,"enabled":false,"visible":true},"Option1":{"value":false,"enabled":false},"Frame5":{"visible":false},"Label28":{"caption":"","visible":false},"Label27":{"caption":"万元 ","visible":false},"Text18":{"text":"","enabled":true,"visible":false},"Text10":{"text":"","enabled":false,"visible":true},"Check9":{"value":0,"enabled":true,"visible":false},"Command1":{},"Label7":{"caption":"","visible":true}}},"Form2":{"open":false},"Form3":{"open":false},"Form4":{"open":false},"Form5":{"open":false}}}
click Check4
> {"refused":{"line":4,"reason":"Check4 is disabled"}}
click Check28
> {"refused":{"line":6,"reason":"Check28 is hidden"}}
type Text15 5
> {"refused":{"line":8,"reason":"Text15 is read-only"}}
click Nothing
> {"refused":{"line":10,"reason":"no control Nothing in Form1"}}
click Form2.Text1
> {"refused":{"line":12,"reason":"Form2 is not open"}}

# Not positive: the message, and the focus stays where it was.
click Command1
> {"message":{"title":"Varnel","text":"工程计费额不能小于或等于零！","icon":"none"}}
type Text1 -5
click Command1
> {"message":{"title":"Varnel","text":"工程计费额不能小于或等于零！","icon":"none"}}
vars
> {"vars":{"feeBase":-5,"basePrice":null,"lowAmount":null}}

# 750 interpolates between 500 and 1000; no type yet stops after the base price.
type Text1 750
click Command1
> {"message":{"title":"Varnel","text":"你还没有选择工程类型！","icon":"none"}}
vars
> {"vars":{"lowAmount":500,"lowPrice":20.9,"highAmount":1000,"highPrice":38.8,"feeBase":750,"basePrice":29.849999999999998,"addCoef1":1,"addCoef5":1}}
state
> {"state":{"Form1":{"focus":"Combo2"}}}

# Below the table the rows stay as they were; 2,000,000 takes the table's last row.
type Text1 100
click Command1
> {"message":{"text":"你还没有选择工程类型！"}}
vars
> {"vars":{"lowAmount":500,"feeBase":100,"basePrice":5.033333333333333}}
type Text1 2000000
click Command1
> {"message":{"text":"你还没有选择工程类型！"}}
vars
> {"vars":{"lowAmount":1000000,"highAmount":2000000,"basePrice":34948.9}}
type Text1 2000001
click Command1
> {"message":{"text":"你还没有选择工程类型！"}}
vars
> {"vars":{"lowAmount":1000000,"basePrice":32000.016}}
type Text1 2 00
click Command1
> {"message":{"text":"你还没有选择工程类型！"}}
vars
> {"vars":{"feeBase":200,"basePrice":9,"lowAmount":200}}

# Hostile amounts: a clear message, never a crash or an infinity.
type Text1 1e309
click Command1
> {"message":{"title":"Varnel","text":"输入的数值超出计算范围！","icon":"none"}}
type Text1 １２３
click Command1
> {"message":{"text":"你还没有选择工程类型！"}}
type Text1 😀‏
click Command1
> {"message":{"text":"工程计费额不能小于或等于零！"}}
type Text1 &HFFFFFFFFFFFFFFFF
click Command1
> {"message":{"text":"工程计费额不能大于100000000万元！"}}
vars
> {"vars":{"feeBase":18446744073709552000}}
type Text1 100000000
click Command1
> {"message":{"text":"你还没有选择工程类型！"}}
vars
> {"vars":{"feeBase":100000000,"basePrice":1600000}}
type Text1 1\t5\n00
click Command1
> {"message":{"text":"你还没有选择工程类型！"}}
vars
> {"vars":{"feeBase":1500,"basePrice":55.05}}
type Text1
state
> {"state":{"Form1":{"focus":"Text1","controls":{"Text1":{"text":""}}}}}
