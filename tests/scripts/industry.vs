# 全行业设计收费: a petrochemical work with a condition of its chapter, an other fee and a phase of the basic
# design line commissioned on its own, its report with the clauses it follows, and the work in a project.
click industrywindow
state
> {"state":{"Industry":{"open":true,"title":"全行业设计收费","focus":"amount","controls":{"kind":{"text":""},"independentPhase":{"value":0,"enabled":false},"condition1":{"visible":false}}}}}

# Nothing chosen yet: the amount is asked for first.
click Industry.calculate
> {"message":{"title":"Varnel","text":"工程计费额不能小于或等于零！","icon":"none","buttons":["确定"]}}
choose Industry.kind 石油、化工、石化、化纤、医药工程
choose Industry.grade Ⅱ级
state
> {"state":{"Industry":{"controls":{"professionalNote":{"caption":"专业调整系数 1.2（附表二，石油化工工程）"},"complexityNote":{"caption":"复杂程度见表4.3-1"},"condition1":{"value":0,"visible":true},"condition2":{"value":0,"visible":true},"condition3":{"visible":false},"independentPhase":{"enabled":true}}}}}
click Industry.condition2
type Industry.amount 3000
click Industry.overallDesign
click Industry.independentPhase
choose Industry.shareRow 一般石油化工
choose Industry.phase 基础设计
click Industry.calculate
state
> {"state":{"Industry":{"focus":"amount","controls":{"basicFee":{"text":" 137.016"},"otherFee":{"text":" 6.8508"},"benchmarkFee":{"text":" 143.8668"},"phaseName":{"caption":"其中基础设计费","visible":true},"phaseFee":{"text":" 71.9334","visible":true}}}}}

# A coefficient out of its range is emptied and focused.
click Industry.condition1
type Industry.coefficient1 1.5
click Industry.calculate
> {"message":{"text":"改扩建和技术改造建设项目附加调整系数超标！"}}
state
> {"state":{"Industry":{"focus":"coefficient1","controls":{"coefficient1":{"text":"","visible":true},"benchmarkFee":{"text":" 143.8668"}}}}}
click Industry.condition1
click Industry.calculate

# The report cites the standard.
click Industry.report
state
> {"state":{"Form2":{"open":true}}}

# The work goes into the project.
answer-text 乙烯装置
click Industry.addItem
> {"text":{"title":"加入项目","label":"单项名称：","suggested":"石油、化工、石化、化纤、医药工程 3000万元","answer":"乙烯装置"}}
state
> {"state":{"Form1":{"title":"Varnel - 未命名项目 *"},"Project":{"open":true,"controls":{"items":{"rows":[["乙烯装置","石油、化工、石化、化纤、医药工程","Ⅱ级","3000.0000","137.0160","6.8508","143.8668","基础设计 50%","71.9334"],["合计","","","","137.0160","6.8508","143.8668","","71.9334"]]}}}}}

# Kinds without a phase table calculate without a commission.
choose Industry.kind 农业工程
state
> {"state":{"Industry":{"controls":{"independentPhase":{"value":0,"enabled":false},"shareRow":{"text":""},"phaseFee":{"visible":false}}}}}
answer-button 不保存
click exit
> {"message":{"text":"项目“未命名项目”已经修改，要保存吗？","buttons":["保存","不保存","取消"]}}
> {"exit":true}
