<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Faults</name>
    <message>
        <source>Hall</source>
        <translation>霍尔故障</translation>
    </message>
    <message>
        <source>Hall sensor is error</source>
        <translation>霍尔传感器故障</translation>
    </message>
    <message>
        <source>Over vdc</source>
        <translation>过压</translation>
    </message>
    <message>
        <source>Battery voltage is too high</source>
        <translation>电池电压过高</translation>
    </message>
    <message>
        <source>Under vdc</source>
        <translation>欠压</translation>
    </message>
    <message>
        <source>Battery voltage is too low</source>
        <translation>电池电压过低</translation>
    </message>
    <message>
        <source>Over heat</source>
        <translation>控制器过温</translation>
    </message>
    <message>
        <source>The controller is over heat</source>
        <translation>控制器温度过高</translation>
    </message>
    <message>
        <source>Over iac</source>
        <translation>Iac 过流</translation>
    </message>
    <message>
        <source>The controller is over current</source>
        <translation>控制器过流</translation>
    </message>
    <message>
        <source>Over load</source>
        <translation>过载</translation>
    </message>
    <message>
        <source>Heavy load run time out</source>
        <translation>重载运行超时</translation>
    </message>
    <message>
        <source>Motor lock</source>
        <translation>电机堵转</translation>
    </message>
    <message>
        <source>Motor lock time out</source>
        <translation>堵转超时</translation>
    </message>
    <message>
        <source>Motor OH</source>
        <translation>电机过温</translation>
    </message>
    <message>
        <source>The motor is over heat</source>
        <translation>电机温度过高</translation>
    </message>
    <message>
        <source>MS short</source>
        <translation>热敏电阻短路</translation>
    </message>
    <message>
        <source>The motor thermistor is short</source>
        <translation>电机热敏电阻短路</translation>
    </message>
    <message>
        <source>MS open</source>
        <translation>热敏电阻开路</translation>
    </message>
    <message>
        <source>The motor thermistor is open</source>
        <translation>电机热敏电阻开路</translation>
    </message>
</context>
<context>
    <name>Link</name>
    <message>
        <source>User info set successfull!</source>
        <translation>用户信息设置成功！</translation>
    </message>
    <message>
        <source>Assist set successfull!</source>
        <translation>助力设置成功！</translation>
    </message>
    <message>
        <source>Factory set successfull!</source>
        <translation>出厂参数设置成功！</translation>
    </message>
    <message>
        <source>Restore to default successfull!</source>
        <translation>恢复默认值成功！</translation>
    </message>
    <message>
        <source>Make sure the throttle return and motor stops</source>
        <translation>请确认转把已回位且电机已停转</translation>
    </message>
    <message>
        <source>Group Hall A is under testing.</source>
        <translation>霍尔 A 组正在测试。</translation>
    </message>
    <message>
        <source>Group Hall A test is done.</source>
        <translation>霍尔 A 组测试完成。</translation>
    </message>
    <message>
        <source>Group Hall B is under testing.</source>
        <translation>霍尔 B 组正在测试。</translation>
    </message>
    <message>
        <source>Group Hall B test is done.</source>
        <translation>霍尔 B 组测试完成。</translation>
    </message>
    <message>
        <source>Basic set successfull!</source>
        <translation>基本参数设置成功！</translation>
    </message>
    <message>
        <source>Reference set successfull!</source>
        <translation>参考值设置成功！</translation>
    </message>
    <message>
        <source>Motor set successfull!</source>
        <translation>电机参数设置成功！</translation>
    </message>
    <message>
        <source>Control set successfull!</source>
        <translation>控制参数设置成功！</translation>
    </message>
    <message>
        <source>Torque PID set successfull!</source>
        <translation>转矩 PID 设置成功！</translation>
    </message>
    <message>
        <source>Protection set successfull!</source>
        <translation>保护参数设置成功！</translation>
    </message>
    <message>
        <source>Other set successfull!</source>
        <translation>其他参数设置成功！</translation>
    </message>
    <message>
        <source>Flux weaken set successfull!</source>
        <translation>弱磁参数设置成功！</translation>
    </message>
    <message>
        <source>Idc calibration successfull!</source>
        <translation>Idc 校准成功！</translation>
    </message>
    <message>
        <source>Derate set successfull!</source>
        <translation>降额参数设置成功！</translation>
    </message>
    <message>
        <source>Mode set successfull!</source>
        <translation>模式设置成功！</translation>
    </message>
    <message>
        <source>offline</source>
        <translation>离线</translation>
    </message>
    <message>
        <source>No data from the controller yet: Options &gt; Com Setting... to connect</source>
        <translation>尚未收到控制器数据：请通过 选项 &gt; 串口设置... 连接</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>正在连接...</translation>
    </message>
    <message>
        <source>online</source>
        <translation>在线</translation>
    </message>
    <message>
        <source>Last data at %1</source>
        <translation>最后数据时间：%1</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>&quot;%1&quot;: &quot;%2&quot; is not a number. Nothing was written.</source>
        <translation>“%1”：“%2” 不是数字。未写入任何内容。</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: &quot;%2&quot; is out of range. Nothing was written.</source>
        <translation>“%1”：“%2” 超出范围。未写入任何内容。</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: &quot;%2&quot; is not an item of the list.</source>
        <translation>“%1”：“%2” 不是列表中的选项。</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: &quot;%2&quot; is not a check value (0, 1 or 2).</source>
        <translation>“%1”：“%2” 不是有效的复选值（0、1 或 2）。</translation>
    </message>
    <message>
        <source>stored as %1 (%2)</source>
        <translation>将保存为 %1（%2）</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>不是数字</translation>
    </message>
    <message>
        <source>out of range</source>
        <translation>超出范围</translation>
    </message>
    <message>
        <source>too large</source>
        <translation>数值过大</translation>
    </message>
    <message>
        <source>leading number</source>
        <translation>取前导数字</translation>
    </message>
    <message>
        <source>upper limit</source>
        <translation>上限</translation>
    </message>
    <message>
        <source>lower limit</source>
        <translation>下限</translation>
    </message>
    <message>
        <source>whole units</source>
        <translation>取整</translation>
    </message>
    <message>
        <source>below %1</source>
        <translation>低于 %1</translation>
    </message>
    <message>
        <source>units of %1</source>
        <translation>以 %1 为单位</translation>
    </message>
    <message>
        <source>steps of %1</source>
        <translation>以 %1 为步长</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>未更改</translation>
    </message>
    <message>
        <source>written, verified</source>
        <translation>已写入，已校验</translation>
    </message>
    <message>
        <source>written, acknowledgement lost, read-back matches</source>
        <translation>已写入，确认丢失，回读一致</translation>
    </message>
    <message>
        <source>written, read-back differs</source>
        <translation>已写入，回读不一致</translation>
    </message>
    <message>
        <source>not stored: read-back shows the controller&apos;s previous values</source>
        <translation>未保存：回读显示控制器原有的值</translation>
    </message>
    <message>
        <source>unknown: no answer to the read-back</source>
        <translation>未知：回读无应答</translation>
    </message>
    <message>
        <source>written, not verified: no answer to the read-back</source>
        <translation>已写入，未校验：回读无应答</translation>
    </message>
    <message>
        <source>the port closed</source>
        <translation>串口已关闭</translation>
    </message>
    <message>
        <source>not written</source>
        <translation>未写入</translation>
    </message>
    <message>
        <source>save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>compare</source>
        <translation>比较</translation>
    </message>
    <message>
        <source>restore</source>
        <translation>恢复</translation>
    </message>
    <message>
        <source>done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>no answer in time</source>
        <translation>超时无应答</translation>
    </message>
    <message>
        <source>broken unit</source>
        <translation>损坏的数据帧</translation>
    </message>
    <message>
        <source>unknown unit</source>
        <translation>未知数据帧</translation>
    </message>
    <message>
        <source>read-back differs</source>
        <translation>回读不一致</translation>
    </message>
    <message>
        <source>%1 retry</source>
        <translation>重试 %1 次</translation>
    </message>
    <message>
        <source>%1 retries</source>
        <translation>重试 %1 次</translation>
    </message>
    <message>
        <source>the port closed during the %1 (cable or adapter removed?)</source>
        <translation>%1过程中串口已关闭（线缆或适配器被拔出？）</translation>
    </message>
</context>
<context>
    <name>Pages</name>
    <message>
        <source>Basic</source>
        <translation>基本</translation>
    </message>
    <message>
        <source>Basic setting</source>
        <translation>基本设置</translation>
    </message>
    <message>
        <source>Max speed[rpm]</source>
        <translation>最高转速[rpm]</translation>
    </message>
    <message>
        <source>Back speed[rpm]</source>
        <translation>倒车转速[rpm]</translation>
    </message>
    <message>
        <source>ECO speed[rpm]</source>
        <translation>节能转速[rpm]</translation>
    </message>
    <message>
        <source>Acc of Iq</source>
        <translation>Iq 加速率</translation>
    </message>
    <message>
        <source>Dec of Iq</source>
        <translation>Iq 减速率</translation>
    </message>
    <message>
        <source>Acc of iq at reg</source>
        <translation>回收时 Iq 加速率</translation>
    </message>
    <message>
        <source>Dec of iq at reg</source>
        <translation>回收时 Iq 减速率</translation>
    </message>
    <message>
        <source>Acc of Id</source>
        <translation>Id 加速率</translation>
    </message>
    <message>
        <source>Dec 1 of Id</source>
        <translation>Id 减速率 1</translation>
    </message>
    <message>
        <source>Dec of Id</source>
        <translation>Id 减速率</translation>
    </message>
    <message>
        <source>Speed of Id0[rpm]</source>
        <translation>Id 归零转速[rpm]</translation>
    </message>
    <message>
        <source>MOS pk I 0[A]</source>
        <translation>MOS 峰值电流 0[A]</translation>
    </message>
    <message>
        <source>MOS pk I 1[A]</source>
        <translation>MOS 峰值电流 1[A]</translation>
    </message>
    <message>
        <source>Temp at I0[Deg]</source>
        <translation>I0 对应温度[Deg]</translation>
    </message>
    <message>
        <source>Temp at I1[Deg]</source>
        <translation>I1 对应温度[Deg]</translation>
    </message>
    <message>
        <source>Max Iac pk[A]</source>
        <translation>最大 Iac 峰值[A]</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>参考值</translation>
    </message>
    <message>
        <source>Over vdc[V]</source>
        <translation>过压阈值[V]</translation>
    </message>
    <message>
        <source>Over vdc recover[V]</source>
        <translation>过压恢复[V]</translation>
    </message>
    <message>
        <source>Under vdc[V]</source>
        <translation>欠压阈值[V]</translation>
    </message>
    <message>
        <source>Under vdc recover[V]</source>
        <translation>欠压恢复[V]</translation>
    </message>
    <message>
        <source>Highest vdc for reg[V]</source>
        <translation>回收最高 Vdc[V]</translation>
    </message>
    <message>
        <source>vdc of full reg[V]</source>
        <translation>全量回收 Vdc[V]</translation>
    </message>
    <message>
        <source>Vdc of idc limit[V]</source>
        <translation>Idc 限流 Vdc[V]</translation>
    </message>
    <message>
        <source>Vdc of idc min[V]</source>
        <translation>Idc 最小 Vdc[V]</translation>
    </message>
    <message>
        <source>Reg comp to vdc[%]</source>
        <translation>回收 Vdc 补偿[%]</translation>
    </message>
    <message>
        <source>Idc min percent[%]</source>
        <translation>Idc 最小百分比[%]</translation>
    </message>
    <message>
        <source>Hall steps for 60 switch to 360</source>
        <translation>霍尔 60→360 切换步数</translation>
    </message>
    <message>
        <source>Start speed forcast</source>
        <translation>启动转速预估</translation>
    </message>
    <message>
        <source>Square start step</source>
        <translation>方波启动步长</translation>
    </message>
    <message>
        <source>Square step DDP</source>
        <translation>方波步长 DDP</translation>
    </message>
    <message>
        <source>BW iqref step 12[A]</source>
        <translation>倒车 Iq 给定 12[A]</translation>
    </message>
    <message>
        <source>BW iqref step 13[A]</source>
        <translation>倒车 Iq 给定 13[A]</translation>
    </message>
    <message>
        <source>ECO iqref step12[A]</source>
        <translation>节能 Iq 给定 12[A]</translation>
    </message>
    <message>
        <source>ECO iqref step13[A]</source>
        <translation>节能 Iq 给定 13[A]</translation>
    </message>
    <message>
        <source>BW iqref step 0[A]</source>
        <translation>倒车 Iq 给定 0[A]</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>电机</translation>
    </message>
    <message>
        <source>Motor parameter</source>
        <translation>电机参数</translation>
    </message>
    <message>
        <source>Pole pairs num</source>
        <translation>极对数</translation>
    </message>
    <message>
        <source>Forward angle offset[Deg]</source>
        <translation>前进角度偏移[Deg]</translation>
    </message>
    <message>
        <source>Motor Tsensor type</source>
        <translation>电机温感类型</translation>
    </message>
    <message>
        <source>Backward angle offset[Deg]</source>
        <translation>倒车角度偏移[Deg]</translation>
    </message>
    <message>
        <source>Square angle offset[Deg]</source>
        <translation>方波角度偏移[Deg]</translation>
    </message>
    <message>
        <source>Hall A 1 remap[Deg]</source>
        <translation>霍尔 A 1 重映射[Deg]</translation>
    </message>
    <message>
        <source>Hall A 2 remap[Deg]</source>
        <translation>霍尔 A 2 重映射[Deg]</translation>
    </message>
    <message>
        <source>Hall A 3 remap[Deg]</source>
        <translation>霍尔 A 3 重映射[Deg]</translation>
    </message>
    <message>
        <source>Hall A 4 remap[Deg]</source>
        <translation>霍尔 A 4 重映射[Deg]</translation>
    </message>
    <message>
        <source>Hall A 5 remap[Deg]</source>
        <translation>霍尔 A 5 重映射[Deg]</translation>
    </message>
    <message>
        <source>Hall A 6 remap[Deg]</source>
        <translation>霍尔 A 6 重映射[Deg]</translation>
    </message>
    <message>
        <source>Motor over heat[Deg]</source>
        <translation>电机过温[Deg]</translation>
    </message>
    <message>
        <source>Motor HighT mode[Deg]</source>
        <translation>电机高温模式[Deg]</translation>
    </message>
    <message>
        <source>Motor OH quit[Deg]</source>
        <translation>电机过温退出[Deg]</translation>
    </message>
    <message>
        <source>MotorT hysterstic[Deg]</source>
        <translation>电机温度回差[Deg]</translation>
    </message>
    <message>
        <source>Motor switch T[Deg]</source>
        <translation>电机切换温度[Deg]</translation>
    </message>
    <message>
        <source>Hall noisy pulses</source>
        <translation>霍尔噪声脉冲数</translation>
    </message>
    <message>
        <source>Iqref of hallC[A]</source>
        <translation>霍尔校准 Iq 给定[A]</translation>
    </message>
    <message>
        <source>Acc of iq at HallC</source>
        <translation>霍尔校准 Iq 加速率</translation>
    </message>
    <message>
        <source>Dec of iq at HallC</source>
        <translation>霍尔校准 Iq 减速率</translation>
    </message>
    <message>
        <source>Hall B 1 remap[Deg]</source>
        <translation>霍尔 B 1 重映射[Deg]</translation>
    </message>
    <message>
        <source>Hall B 2 remap[Deg]</source>
        <translation>霍尔 B 2 重映射[Deg]</translation>
    </message>
    <message>
        <source>Hall B 3 remap[Deg]</source>
        <translation>霍尔 B 3 重映射[Deg]</translation>
    </message>
    <message>
        <source>Hall B 4 remap[Deg]</source>
        <translation>霍尔 B 4 重映射[Deg]</translation>
    </message>
    <message>
        <source>Hall B 5 remap[Deg]</source>
        <translation>霍尔 B 5 重映射[Deg]</translation>
    </message>
    <message>
        <source>Hall B 6 remap[Deg]</source>
        <translation>霍尔 B 6 重映射[Deg]</translation>
    </message>
    <message>
        <source>Hall group</source>
        <translation>霍尔组</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>控制</translation>
    </message>
    <message>
        <source>Speed limit kp G</source>
        <translation>限速 kp 增益</translation>
    </message>
    <message>
        <source>Speed limit kp D</source>
        <translation>限速 kp 除数</translation>
    </message>
    <message>
        <source>Speed limit ki G</source>
        <translation>限速 ki 增益</translation>
    </message>
    <message>
        <source>Idc limit kp G</source>
        <translation>Idc 限流 kp 增益</translation>
    </message>
    <message>
        <source>Idc limit kp D</source>
        <translation>Idc 限流 kp 除数</translation>
    </message>
    <message>
        <source>Idc limit ki G</source>
        <translation>Idc 限流 ki 增益</translation>
    </message>
    <message>
        <source>Eco speed kp G</source>
        <translation>节能转速 kp 增益</translation>
    </message>
    <message>
        <source>Eco speed kp D</source>
        <translation>节能转速 kp 除数</translation>
    </message>
    <message>
        <source>Eco speed ki G</source>
        <translation>节能转速 ki 增益</translation>
    </message>
    <message>
        <source>speed PID step 0[rpm]</source>
        <translation>转速 PID 分段 0[rpm]</translation>
    </message>
    <message>
        <source>speed PID step 1[rpm]</source>
        <translation>转速 PID 分段 1[rpm]</translation>
    </message>
    <message>
        <source>speed PID step 2[rpm]</source>
        <translation>转速 PID 分段 2[rpm]</translation>
    </message>
    <message>
        <source>Back steps threshold</source>
        <translation>反转步数阈值</translation>
    </message>
    <message>
        <source>Speed ref A[rpm]</source>
        <translation>转速给定 A[rpm]</translation>
    </message>
    <message>
        <source>Hall Num ref</source>
        <translation>霍尔计数给定</translation>
    </message>
    <message>
        <source>Mot lock Timeout</source>
        <translation>堵转超时</translation>
    </message>
    <message>
        <source>Commu timeout</source>
        <translation>换相超时</translation>
    </message>
    <message>
        <source>Torque PID</source>
        <translation>转矩 PID</translation>
    </message>
    <message>
        <source>Iq kp gain 0 pre</source>
        <translation>Iq kp 增益 0(预)</translation>
    </message>
    <message>
        <source>Iq ki gain 0 pre</source>
        <translation>Iq ki 增益 0(预)</translation>
    </message>
    <message>
        <source>Id kp gain 0 pre</source>
        <translation>Id kp 增益 0(预)</translation>
    </message>
    <message>
        <source>Id ki gain 0 pre</source>
        <translation>Id ki 增益 0(预)</translation>
    </message>
    <message>
        <source>Iq kp gain 0</source>
        <translation>Iq kp 增益 0</translation>
    </message>
    <message>
        <source>Iq ki gain 0</source>
        <translation>Iq ki 增益 0</translation>
    </message>
    <message>
        <source>Id kp gain 0</source>
        <translation>Id kp 增益 0</translation>
    </message>
    <message>
        <source>Id ki gain 0</source>
        <translation>Id ki 增益 0</translation>
    </message>
    <message>
        <source>Iq kp gain 2</source>
        <translation>Iq kp 增益 2</translation>
    </message>
    <message>
        <source>Iq ki gain 2</source>
        <translation>Iq ki 增益 2</translation>
    </message>
    <message>
        <source>Id kp gain 2</source>
        <translation>Id kp 增益 2</translation>
    </message>
    <message>
        <source>Id ki gain 2</source>
        <translation>Id ki 增益 2</translation>
    </message>
    <message>
        <source>Iq kp gain 3</source>
        <translation>Iq kp 增益 3</translation>
    </message>
    <message>
        <source>Iq ki gain 3</source>
        <translation>Iq ki 增益 3</translation>
    </message>
    <message>
        <source>Id kp gain 3</source>
        <translation>Id kp 增益 3</translation>
    </message>
    <message>
        <source>Id ki gain 3</source>
        <translation>Id ki 增益 3</translation>
    </message>
    <message>
        <source>Iq kp gain</source>
        <translation>Iq kp 增益</translation>
    </message>
    <message>
        <source>Iq kp divisor</source>
        <translation>Iq kp 除数</translation>
    </message>
    <message>
        <source>Iq ki gain</source>
        <translation>Iq ki 增益</translation>
    </message>
    <message>
        <source>Id kp gain</source>
        <translation>Id kp 增益</translation>
    </message>
    <message>
        <source>Id kp divisor</source>
        <translation>Id kp 除数</translation>
    </message>
    <message>
        <source>Id ki gain</source>
        <translation>Id ki 增益</translation>
    </message>
    <message>
        <source>Acc of MLock</source>
        <translation>堵转加速率</translation>
    </message>
    <message>
        <source>Protection</source>
        <translation>保护</translation>
    </message>
    <message>
        <source>Heavy load timeout[s]</source>
        <translation>重载超时[s]</translation>
    </message>
    <message>
        <source>Motor lock timeout[0.1s]</source>
        <translation>堵转超时[0.1s]</translation>
    </message>
    <message>
        <source>heavy load Iac[%]</source>
        <translation>重载 Iac[%]</translation>
    </message>
    <message>
        <source>Motor lock Iac[%]</source>
        <translation>堵转 Iac[%]</translation>
    </message>
    <message>
        <source>Iac limit level[%]</source>
        <translation>Iac 限流值[%]</translation>
    </message>
    <message>
        <source>Ref iac level[%]</source>
        <translation>Iac 给定值[%]</translation>
    </message>
    <message>
        <source>Power turn point[Deg]</source>
        <translation>功率管拐点[Deg]</translation>
    </message>
    <message>
        <source>Power oh[Deg]</source>
        <translation>功率管过温[Deg]</translation>
    </message>
    <message>
        <source>Power OH recover[Deg]</source>
        <translation>功率管过温恢复[Deg]</translation>
    </message>
    <message>
        <source>Power highT mode[Deg]</source>
        <translation>功率管高温模式[Deg]</translation>
    </message>
    <message>
        <source>Iqref 1[A]</source>
        <translation>Iq 给定 1[A]</translation>
    </message>
    <message>
        <source>Iqref 2[A]</source>
        <translation>Iq 给定 2[A]</translation>
    </message>
    <message>
        <source>Iqref 3[A]</source>
        <translation>Iq 给定 3[A]</translation>
    </message>
    <message>
        <source>Iqref 4[A]</source>
        <translation>Iq 给定 4[A]</translation>
    </message>
    <message>
        <source>Iqref 5[A]</source>
        <translation>Iq 给定 5[A]</translation>
    </message>
    <message>
        <source>Iqref 6[A]</source>
        <translation>Iq 给定 6[A]</translation>
    </message>
    <message>
        <source>Iqref 7[A]</source>
        <translation>Iq 给定 7[A]</translation>
    </message>
    <message>
        <source>Iqref 13[A]</source>
        <translation>Iq 给定 13[A]</translation>
    </message>
    <message>
        <source>Iqref 8[A]</source>
        <translation>Iq 给定 8[A]</translation>
    </message>
    <message>
        <source>Iqref 9[A]</source>
        <translation>Iq 给定 9[A]</translation>
    </message>
    <message>
        <source>Iqref 10[A]</source>
        <translation>Iq 给定 10[A]</translation>
    </message>
    <message>
        <source>Iqref 11[A]</source>
        <translation>Iq 给定 11[A]</translation>
    </message>
    <message>
        <source>Iqref 12[A]</source>
        <translation>Iq 给定 12[A]</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>其他</translation>
    </message>
    <message>
        <source>Percentage in mid tref2[%]</source>
        <translation>中位给定比例 2[%]</translation>
    </message>
    <message>
        <source>Tref mid vary delay[s]</source>
        <translation>中位给定变化延时[s]</translation>
    </message>
    <message>
        <source>Tref mid vary speed[rpm]</source>
        <translation>中位给定变化转速[rpm]</translation>
    </message>
    <message>
        <source>Percentage in mid tref[%]</source>
        <translation>中位给定比例[%]</translation>
    </message>
    <message>
        <source>Forward enable</source>
        <translation>前进使能</translation>
    </message>
    <message>
        <source>Backward enable</source>
        <translation>倒车使能</translation>
    </message>
    <message>
        <source>Eco enable</source>
        <translation>节能模式使能</translation>
    </message>
    <message>
        <source>Alarm enable</source>
        <translation>报警使能</translation>
    </message>
    <message>
        <source>Brake drive stop enable</source>
        <translation>刹车断电使能</translation>
    </message>
    <message>
        <source>Motor protectin enable</source>
        <translation>电机保护使能</translation>
    </message>
    <message>
        <source>Boost enable</source>
        <translation>助力加速使能</translation>
    </message>
    <message>
        <source>Throttle low[V]</source>
        <translation>转把下限[V]</translation>
    </message>
    <message>
        <source>Throttle high[V]</source>
        <translation>转把上限[V]</translation>
    </message>
    <message>
        <source>Throttle mid[V]</source>
        <translation>转把中位[V]</translation>
    </message>
    <message>
        <source>BW iqref step 1[A]</source>
        <translation>倒车 Iq 给定 1[A]</translation>
    </message>
    <message>
        <source>BW iqref step 2[A]</source>
        <translation>倒车 Iq 给定 2[A]</translation>
    </message>
    <message>
        <source>BW iqref step 3[A]</source>
        <translation>倒车 Iq 给定 3[A]</translation>
    </message>
    <message>
        <source>BW iqref step 4[A]</source>
        <translation>倒车 Iq 给定 4[A]</translation>
    </message>
    <message>
        <source>BW iqref step 5[A]</source>
        <translation>倒车 Iq 给定 5[A]</translation>
    </message>
    <message>
        <source>BW iqref step 6[A]</source>
        <translation>倒车 Iq 给定 6[A]</translation>
    </message>
    <message>
        <source>BW iqref step 7[A]</source>
        <translation>倒车 Iq 给定 7[A]</translation>
    </message>
    <message>
        <source>BW iqref step 8[A]</source>
        <translation>倒车 Iq 给定 8[A]</translation>
    </message>
    <message>
        <source>BW iqref step 9[A]</source>
        <translation>倒车 Iq 给定 9[A]</translation>
    </message>
    <message>
        <source>BW iqref step10[A]</source>
        <translation>倒车 Iq 给定 10[A]</translation>
    </message>
    <message>
        <source>BW iqref step 11[A]</source>
        <translation>倒车 Iq 给定 11[A]</translation>
    </message>
    <message>
        <source>Flux weaken</source>
        <translation>弱磁</translation>
    </message>
    <message>
        <source>FluxWeaken Reference</source>
        <translation>弱磁给定</translation>
    </message>
    <message>
        <source>Flux sign</source>
        <translation>弱磁方向</translation>
    </message>
    <message>
        <source>Startup speed min</source>
        <translation>启动最小转速</translation>
    </message>
    <message>
        <source>Startup speed low</source>
        <translation>启动低速</translation>
    </message>
    <message>
        <source>Startup speed high</source>
        <translation>启动高速</translation>
    </message>
    <message>
        <source>Idref 0[A]</source>
        <translation>Id 给定 0[A]</translation>
    </message>
    <message>
        <source>Idref 1[A]</source>
        <translation>Id 给定 1[A]</translation>
    </message>
    <message>
        <source>Idref 2[A]</source>
        <translation>Id 给定 2[A]</translation>
    </message>
    <message>
        <source>Idref 3[A]</source>
        <translation>Id 给定 3[A]</translation>
    </message>
    <message>
        <source>Idref 4[A]</source>
        <translation>Id 给定 4[A]</translation>
    </message>
    <message>
        <source>Idref 5[A]</source>
        <translation>Id 给定 5[A]</translation>
    </message>
    <message>
        <source>Idref 6[A]</source>
        <translation>Id 给定 6[A]</translation>
    </message>
    <message>
        <source>Idref 7[A]</source>
        <translation>Id 给定 7[A]</translation>
    </message>
    <message>
        <source>Idref 8[A]</source>
        <translation>Id 给定 8[A]</translation>
    </message>
    <message>
        <source>Idref 9[A]</source>
        <translation>Id 给定 9[A]</translation>
    </message>
    <message>
        <source>Idref 10[A]</source>
        <translation>Id 给定 10[A]</translation>
    </message>
    <message>
        <source>Idref 11[A]</source>
        <translation>Id 给定 11[A]</translation>
    </message>
    <message>
        <source>Idref 12[A]</source>
        <translation>Id 给定 12[A]</translation>
    </message>
    <message>
        <source>Idref 13[A]</source>
        <translation>Id 给定 13[A]</translation>
    </message>
    <message>
        <source>Idref H 9[A]</source>
        <translation>Id 给定 H 9[A]</translation>
    </message>
    <message>
        <source>Idref H 10[A]</source>
        <translation>Id 给定 H 10[A]</translation>
    </message>
    <message>
        <source>Idref H 11[A]</source>
        <translation>Id 给定 H 11[A]</translation>
    </message>
    <message>
        <source>Idref H 12[A]</source>
        <translation>Id 给定 H 12[A]</translation>
    </message>
    <message>
        <source>Idref H 13[A]</source>
        <translation>Id 给定 H 13[A]</translation>
    </message>
    <message>
        <source>Printf period[5ms]</source>
        <translation>打印周期[5ms]</translation>
    </message>
    <message>
        <source>PrintfSwitcher</source>
        <translation>打印开关</translation>
    </message>
    <message>
        <source>DC current calbiration</source>
        <translation>直流电流校准</translation>
    </message>
    <message>
        <source>Idc calibration</source>
        <translation>Idc 校准</translation>
    </message>
    <message>
        <source>Forward level</source>
        <translation>前进电平</translation>
    </message>
    <message>
        <source>Backward level</source>
        <translation>倒车电平</translation>
    </message>
    <message>
        <source>Brake high level</source>
        <translation>高刹电平</translation>
    </message>
    <message>
        <source>B H A</source>
        <translation>B H A</translation>
    </message>
    <message>
        <source>Brake low level</source>
        <translation>低刹电平</translation>
    </message>
    <message>
        <source>Reserve level</source>
        <translation>备用电平</translation>
    </message>
    <message>
        <source>B L A</source>
        <translation>B L A</translation>
    </message>
    <message>
        <source>Serial Num</source>
        <translation>序列号</translation>
    </message>
    <message>
        <source>Flux period[ms]</source>
        <translation>弱磁周期[ms]</translation>
    </message>
    <message>
        <source>Iac ADC value 128A</source>
        <translation>128A 时 Iac ADC 值</translation>
    </message>
    <message>
        <source>Reference period[ms]</source>
        <translation>给定周期[ms]</translation>
    </message>
    <message>
        <source>Idc gain</source>
        <translation>Idc 增益</translation>
    </message>
    <message>
        <source>Idc D2 power</source>
        <translation>Idc 除数 2^n</translation>
    </message>
    <message>
        <source>Speed pulses/cycle</source>
        <translation>速度脉冲/周期</translation>
    </message>
    <message>
        <source>TempM at W0</source>
        <translation>W0 时电机温度</translation>
    </message>
    <message>
        <source>TempM at W1</source>
        <translation>W1 时电机温度</translation>
    </message>
    <message>
        <source>MLK turnp[Deg]</source>
        <translation>电机限流拐点[Deg]</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>解锁</translation>
    </message>
    <message>
        <source>PC Online</source>
        <translation>PC 在线</translation>
    </message>
    <message>
        <source>Hall connection</source>
        <translation>霍尔线序</translation>
    </message>
    <message>
        <source>Phase connection</source>
        <translation>相线线序</translation>
    </message>
    <message>
        <source>Subproject num</source>
        <translation>子项目号</translation>
    </message>
    <message>
        <source>Ic ADC value 128A</source>
        <translation>128A 时 Ic ADC 值</translation>
    </message>
    <message>
        <source>Idc ave factor</source>
        <translation>Idc 平均系数</translation>
    </message>
    <message>
        <source>Derate</source>
        <translation>降额</translation>
    </message>
    <message>
        <source>Derate setting</source>
        <translation>降额设置</translation>
    </message>
    <message>
        <source>Power derate delay[s]</source>
        <translation>功率降额延时[s]</translation>
    </message>
    <message>
        <source>Power recover delay[s]</source>
        <translation>功率恢复延时[s]</translation>
    </message>
    <message>
        <source>Mot power derate delay[s]</source>
        <translation>电机功率降额延时[s]</translation>
    </message>
    <message>
        <source>Mot power recover delay[s]</source>
        <translation>电机功率恢复延时[s]</translation>
    </message>
    <message>
        <source>ECO iqref 1[A]</source>
        <translation>节能 Iq 给定 1[A]</translation>
    </message>
    <message>
        <source>ECO iqref 2[A]</source>
        <translation>节能 Iq 给定 2[A]</translation>
    </message>
    <message>
        <source>ECO iqref 3[A]</source>
        <translation>节能 Iq 给定 3[A]</translation>
    </message>
    <message>
        <source>ECO iqref 4[A]</source>
        <translation>节能 Iq 给定 4[A]</translation>
    </message>
    <message>
        <source>ECO iqref 5[A]</source>
        <translation>节能 Iq 给定 5[A]</translation>
    </message>
    <message>
        <source>ECO iqref 6[A]</source>
        <translation>节能 Iq 给定 6[A]</translation>
    </message>
    <message>
        <source>ECO iqref 7[A]</source>
        <translation>节能 Iq 给定 7[A]</translation>
    </message>
    <message>
        <source>ECO iqref 8[A]</source>
        <translation>节能 Iq 给定 8[A]</translation>
    </message>
    <message>
        <source>ECO iqref 9[A]</source>
        <translation>节能 Iq 给定 9[A]</translation>
    </message>
    <message>
        <source>ECO iqref 10[A]</source>
        <translation>节能 Iq 给定 10[A]</translation>
    </message>
    <message>
        <source>ECO iqref 11[A]</source>
        <translation>节能 Iq 给定 11[A]</translation>
    </message>
    <message>
        <source>Speed step[rpm]</source>
        <translation>转速步长[rpm]</translation>
    </message>
    <message>
        <source>Iqref limit 1[A]</source>
        <translation>Iq 给定限值 1[A]</translation>
    </message>
    <message>
        <source>Iqref limit 0[A]</source>
        <translation>Iq 给定限值 0[A]</translation>
    </message>
    <message>
        <source>Idref limit 1[A]</source>
        <translation>Id 给定限值 1[A]</translation>
    </message>
    <message>
        <source>Idref limit 0[A]</source>
        <translation>Id 给定限值 0[A]</translation>
    </message>
    <message>
        <source>Flux switch speed[rpm]</source>
        <translation>弱磁切换转速[rpm]</translation>
    </message>
    <message>
        <source>BW speed step[rpm]</source>
        <translation>倒车转速步长[rpm]</translation>
    </message>
    <message>
        <source>ModeSet</source>
        <translation>模式设置</translation>
    </message>
    <message>
        <source>Mode set</source>
        <translation>模式设置</translation>
    </message>
    <message>
        <source>Mode 1 speed[rpm]</source>
        <translation>模式 1 转速[rpm]</translation>
    </message>
    <message>
        <source>Mode 2 speed[rpm]</source>
        <translation>模式 2 转速[rpm]</translation>
    </message>
    <message>
        <source>Mode 3 speed[rpm]</source>
        <translation>模式 3 转速[rpm]</translation>
    </message>
    <message>
        <source>Mode 4 speed[rpm]</source>
        <translation>模式 4 转速[rpm]</translation>
    </message>
    <message>
        <source>Mode 1 idc[A]</source>
        <translation>模式 1 Idc[A]</translation>
    </message>
    <message>
        <source>Mode 2 idc[A]</source>
        <translation>模式 2 Idc[A]</translation>
    </message>
    <message>
        <source>Mode 3 idc[A]</source>
        <translation>模式 3 Idc[A]</translation>
    </message>
    <message>
        <source>Mode 4 idc[A]</source>
        <translation>模式 4 Idc[A]</translation>
    </message>
    <message>
        <source>Mode 5 idc[A]</source>
        <translation>模式 5 Idc[A]</translation>
    </message>
    <message>
        <source>Boost ratio Iac[%]</source>
        <translation>助力加速 Iac 比例[%]</translation>
    </message>
    <message>
        <source>Boost active sec[s]</source>
        <translation>助力加速持续时间[s]</translation>
    </message>
    <message>
        <source>Speed fall delay[s]</source>
        <translation>降速延时[s]</translation>
    </message>
    <message>
        <source>Max reg Q</source>
        <translation>最大回收 Q</translation>
    </message>
    <message>
        <source>Min reg speed[rpm]</source>
        <translation>最低回收转速[rpm]</translation>
    </message>
    <message>
        <source>Acc of regenerate</source>
        <translation>能量回收加速率</translation>
    </message>
    <message>
        <source>Dec of regenerate</source>
        <translation>能量回收减速率</translation>
    </message>
    <message>
        <source>Reset count</source>
        <translation>计数清零</translation>
    </message>
</context>
<context>
    <name>Panels</name>
    <message>
        <source>Vdc[V]</source>
        <translation>Vdc[V]</translation>
    </message>
    <message>
        <source>Idc[A]</source>
        <translation>Idc[A]</translation>
    </message>
    <message>
        <source>Revolution[rpm]</source>
        <translation>转速[rpm]</translation>
    </message>
    <message>
        <source>Power T[Deg]</source>
        <translation>功率管温度[Deg]</translation>
    </message>
    <message>
        <source>Motor T[Deg]</source>
        <translation>电机温度[Deg]</translation>
    </message>
    <message>
        <source>Iq ref[A]</source>
        <translation>Iq 给定[A]</translation>
    </message>
    <message>
        <source>Throttle vdc[V]</source>
        <translation>转把电压[V]</translation>
    </message>
    <message>
        <source>STATE</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Iq actual[A]</source>
        <translation>Iq 实际[A]</translation>
    </message>
    <message>
        <source>Id ref[A]</source>
        <translation>Id 给定[A]</translation>
    </message>
    <message>
        <source>Id actual[A]</source>
        <translation>Id 实际[A]</translation>
    </message>
    <message>
        <source>Gear</source>
        <translation>档位</translation>
    </message>
    <message>
        <source>Pedal error code</source>
        <translation>踏板故障码</translation>
    </message>
    <message>
        <source>Hall</source>
        <translation>霍尔状态</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>模式</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>前进</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>倒车</translation>
    </message>
    <message>
        <source>Hall calib</source>
        <translation>霍尔校准</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>报警</translation>
    </message>
    <message>
        <source>Brake</source>
        <translation>刹车</translation>
    </message>
    <message>
        <source>ECO status</source>
        <translation>节能模式</translation>
    </message>
    <message>
        <source>Hall G</source>
        <translation>霍尔组</translation>
    </message>
    <message>
        <source>Boost</source>
        <translation>助力加速</translation>
    </message>
    <message>
        <source>Vdc [V]</source>
        <translation>Vdc [V]</translation>
    </message>
    <message>
        <source>Idc [A]</source>
        <translation>Idc [A]</translation>
    </message>
    <message>
        <source>Speed [rpm]</source>
        <translation>转速 [rpm]</translation>
    </message>
    <message>
        <source>Power temp [Deg]</source>
        <translation>功率管温度 [Deg]</translation>
    </message>
    <message>
        <source>Motor temp [Deg]</source>
        <translation>电机温度 [Deg]</translation>
    </message>
    <message>
        <source>Iq ref [A]</source>
        <translation>Iq 给定 [A]</translation>
    </message>
    <message>
        <source>Throttle [V]</source>
        <translation>转把电压 [V]</translation>
    </message>
    <message>
        <source>Iq act [A]</source>
        <translation>Iq 实际 [A]</translation>
    </message>
    <message>
        <source>Id ref [A]</source>
        <translation>Id 给定 [A]</translation>
    </message>
    <message>
        <source>Id act [A]</source>
        <translation>Id 实际 [A]</translation>
    </message>
</context>
<context>
    <name>motiview::ComSettingsDialog</name>
    <message>
        <source>This user may not open %1: %2.</source>
        <translation>当前用户无权打开 %1：%2。</translation>
    </message>
    <message>
        <source>No serial device is present: connect the controller&apos;s serial adapter, then choose its port number.</source>
        <translation>未检测到串口设备：请连接控制器的串口适配器，然后选择其端口号。</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>无</translation>
    </message>
    <message>
        <source>ODD</source>
        <translation>奇校验</translation>
    </message>
    <message>
        <source>EVEN</source>
        <translation>偶校验</translation>
    </message>
    <message>
        <source>%1 are no line settings.</source>
        <translation>%1 不是有效的串口参数。</translation>
    </message>
    <message>
        <source>COM port does not exist.</source>
        <translation>COM 端口不存在。</translation>
    </message>
    <message>
        <source>Serial Port Setting</source>
        <translation>串口设置</translation>
    </message>
    <message>
        <source>Serial Port Parameters</source>
        <translation>串口参数</translation>
    </message>
    <message>
        <source>Port Number:</source>
        <translation>端口号：</translation>
    </message>
    <message>
        <source>Baud Rate:</source>
        <translation>波特率：</translation>
    </message>
    <message>
        <source>Data Bit:</source>
        <translation>数据位：</translation>
    </message>
    <message>
        <source>Stop Bit:</source>
        <translation>停止位：</translation>
    </message>
    <message>
        <source>Parity:</source>
        <translation>校验位：</translation>
    </message>
    <message>
        <source>Connect at start</source>
        <translation>启动时连接</translation>
    </message>
    <message>
        <source>Open this port with these settings when the program starts</source>
        <translation>程序启动时按这些设置打开此端口</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>motiview::DiffWindow</name>
    <message>
        <source>%1 field</source>
        <translation>%1 个参数</translation>
    </message>
    <message>
        <source>%1 fields</source>
        <translation>%1 个参数</translation>
    </message>
    <message>
        <source>%1 page</source>
        <translation>%1 个页面</translation>
    </message>
    <message>
        <source>%1 pages</source>
        <translation>%1 个页面</translation>
    </message>
    <message>
        <source>%1 difference</source>
        <translation>%1 处差异</translation>
    </message>
    <message>
        <source>%1 differences</source>
        <translation>%1 处差异</translation>
    </message>
    <message>
        <source>Compare with %1</source>
        <translation>与 %1 比较</translation>
    </message>
    <message>
        <source>Restore from %1</source>
        <translation>从 %1 恢复</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>页面</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>参数</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>控制器</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>To write</source>
        <translation>待写入</translation>
    </message>
    <message>
        <source>Copy rows</source>
        <translation>复制行</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Pages to write:</source>
        <translation>要写入的页面：</translation>
    </message>
    <message>
        <source>%1 carries the controller&apos;s identity and is not ticked. When it is written, the controller keeps its own serial number.</source>
        <translation>%1 含有控制器的身份信息，未勾选。写入该页面时，控制器保留其自身的序列号。</translation>
    </message>
    <message>
        <source>Write selected pages</source>
        <translation>写入所选页面</translation>
    </message>
    <message>
        <source>no difference</source>
        <translation>无差异</translation>
    </message>
    <message>
        <source>The controller holds what the file holds.</source>
        <translation>控制器中的参数与文件一致。</translation>
    </message>
    <message>
        <source>The controller already holds what the file holds; there is nothing to write.</source>
        <translation>控制器中的参数已与文件一致，无需写入。</translation>
    </message>
    <message>
        <source>%1 differs on %2.</source>
        <translation>%2中有 %1不同。</translation>
    </message>
    <message>
        <source>%1 differ on %2.</source>
        <translation>%2中有 %1不同。</translation>
    </message>
    <message>
        <source>%1 already holds the file: %2.</source>
        <translation>%1已与文件一致：%2。</translation>
    </message>
    <message>
        <source>%1 already hold the file: %2.</source>
        <translation>%1已与文件一致：%2。</translation>
    </message>
    <message>
        <source>No difference on: %1.</source>
        <translation>以下页面无差异：%1。</translation>
    </message>
</context>
<context>
    <name>motiview::HallTestWindow</name>
    <message>
        <source>Hall Test</source>
        <translation>霍尔测试</translation>
    </message>
</context>
<context>
    <name>motiview::HistoryWindow</name>
    <message>
        <source>Faults</source>
        <translation>故障</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>写入</translation>
    </message>
    <message>
        <source>Hall test</source>
        <translation>霍尔测试</translation>
    </message>
    <message>
        <source>Count reset</source>
        <translation>计数清零</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>记录</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>工单</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>快照</translation>
    </message>
    <message>
        <source>job %1</source>
        <translation>工单 %1</translation>
    </message>
    <message>
        <source>Vehicle: %1</source>
        <translation>车辆：%1</translation>
    </message>
    <message>
        <source>Complaint: %1</source>
        <translation>报修内容：%1</translation>
    </message>
    <message>
        <source>Work done: %1</source>
        <translation>维修内容：%1</translation>
    </message>
    <message>
        <source>Service history</source>
        <translation>维修记录</translation>
    </message>
    <message>
        <source>Filter by serial number or user name</source>
        <translation>按序列号或用户名筛选</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>刷新</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>序列号</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>用户名</translation>
    </message>
    <message>
        <source>First seen</source>
        <translation>首次连接</translation>
    </message>
    <message>
        <source>Last seen</source>
        <translation>最近连接</translation>
    </message>
    <message>
        <source>Snapshots</source>
        <translation>快照</translation>
    </message>
    <message>
        <source>Jobs</source>
        <translation>工单</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>What</source>
        <translation>事项</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>详情</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>比较</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>导出...</translation>
    </message>
    <message>
        <source>Restore...</source>
        <translation>恢复...</translation>
    </message>
    <message>
        <source>%1 of %2 controllers</source>
        <translation>%1 / %2 台控制器</translation>
    </message>
    <message>
        <source>%1 controller</source>
        <translation>%1 台控制器</translation>
    </message>
    <message>
        <source>%1 controllers</source>
        <translation>%1 台控制器</translation>
    </message>
    <message>
        <source>No controller in the history yet.</source>
        <translation>维修记录中尚无控制器。</translation>
    </message>
    <message>
        <source>Choose a controller to see its history.</source>
        <translation>请选择一个控制器以查看其维修记录。</translation>
    </message>
    <message>
        <source>History of %1: %2 snapshots, %3 entries in all</source>
        <translation>%1 的维修记录：%2 个快照，共 %3 条</translation>
    </message>
    <message>
        <source>Select two snapshots to compare them, one to export or restore it.</source>
        <translation>选择两个快照进行比较，或选择一个快照进行导出或恢复。</translation>
    </message>
    <message>
        <source>Select a second snapshot to compare.</source>
        <translation>请再选择一个快照进行比较。</translation>
    </message>
    <message>
        <source>Compare takes two snapshots.</source>
        <translation>比较需要两个快照。</translation>
    </message>
    <message>
        <source>The snapshot cannot be read: %1</source>
        <translation>无法读取快照：%1</translation>
    </message>
    <message>
        <source>The snapshot is no longer in the history.</source>
        <translation>该快照已不在维修记录中。</translation>
    </message>
    <message>
        <source>The snapshot of %1 cannot be read: %2</source>
        <translation>无法读取 %1 的快照：%2</translation>
    </message>
    <message>
        <source>%1: %2 (%3) against %4 (%5)</source>
        <translation>%1：%2 (%3) 对比 %4 (%5)</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>页面</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>参数</translation>
    </message>
    <message>
        <source>The two snapshots hold the same texts.</source>
        <translation>两个快照的内容相同。</translation>
    </message>
    <message>
        <source>Export snapshot</source>
        <translation>导出快照</translation>
    </message>
    <message>
        <source>Parameter files (*.json)</source>
        <translation>参数文件 (*.json)</translation>
    </message>
    <message>
        <source>%1: %2 Nothing was exported.</source>
        <translation>%1：%2 未导出任何内容。</translation>
    </message>
    <message>
        <source>%1: %2 Nothing was restored.</source>
        <translation>%1：%2 未恢复任何内容。</translation>
    </message>
</context>
<context>
    <name>motiview::JobDialog</name>
    <message>
        <source>Start job</source>
        <translation>开始工单</translation>
    </message>
    <message>
        <source>Finish job</source>
        <translation>完成工单</translation>
    </message>
    <message>
        <source>Job number:</source>
        <translation>工单号：</translation>
    </message>
    <message>
        <source>Technician:</source>
        <translation>技师：</translation>
    </message>
    <message>
        <source>Vehicle or customer:</source>
        <translation>车辆或客户：</translation>
    </message>
    <message>
        <source>Complaint:</source>
        <translation>报修内容：</translation>
    </message>
    <message>
        <source>Work done:</source>
        <translation>维修内容：</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Finish and write report...</source>
        <translation>完成并生成报告...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>motiview::LiveTools</name>
    <message>
        <source>The recording stopped: %1
%2 keeps the %3 rows written before.</source>
        <translation>记录已停止：%1
%2 保留此前已写入的 %3 行。</translation>
    </message>
    <message>
        <source>Re&amp;cord...</source>
        <translation>记录(&amp;C)...</translation>
    </message>
    <message>
        <source>S&amp;top recording</source>
        <translation>停止记录(&amp;T)</translation>
    </message>
    <message>
        <source>O&amp;pen recording...</source>
        <translation>打开记录(&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Plot...</source>
        <translation>曲线(&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Traffic...</source>
        <translation>通信监视(&amp;T)...</translation>
    </message>
    <message>
        <source>Poll &amp;rate</source>
        <translation>轮询频率(&amp;R)</translation>
    </message>
    <message>
        <source>Once a second</source>
        <translation>每秒 1 次</translation>
    </message>
    <message>
        <source>%1 times a second</source>
        <translation>每秒 %1 次</translation>
    </message>
    <message>
        <source>The link was lost; the recording stopped.
%1 holds %2 rows.</source>
        <translation>连接已断开，记录已停止。
%1 共有 %2 行。</translation>
    </message>
    <message>
        <source>Open recording</source>
        <translation>打开记录</translation>
    </message>
    <message>
        <source>Recordings (*.csv)</source>
        <translation>记录文件 (*.csv)</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>记录</translation>
    </message>
    <message>
        <source>%1 cannot be recorded: %2</source>
        <translation>无法记录到 %1：%2</translation>
    </message>
    <message>
        <source>Poll %1/s</source>
        <translation>轮询 %1/s</translation>
    </message>
</context>
<context>
    <name>motiview::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Save parameters...</source>
        <translation>保存参数(&amp;S)...</translation>
    </message>
    <message>
        <source>C&amp;ompare with file...</source>
        <translation>与文件比较(&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;Restore parameters...</source>
        <translation>恢复参数(&amp;R)...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>视图(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>选项(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Com Setting...</source>
        <translation>串口设置(&amp;C)...</translation>
    </message>
    <message>
        <source>Language(&amp;L)</source>
        <translation>语言(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Contact us</source>
        <translation>联系我们(&amp;C)</translation>
    </message>
    <message>
        <source>online</source>
        <translation>在线</translation>
    </message>
    <message>
        <source>offline</source>
        <translation>离线</translation>
    </message>
    <message>
        <source>Hall A test</source>
        <translation>霍尔 A 测试</translation>
    </message>
    <message>
        <source>Hall B test</source>
        <translation>霍尔 B 测试</translation>
    </message>
    <message>
        <source>Stop hall test</source>
        <translation>停止霍尔测试</translation>
    </message>
    <message>
        <source>Contact us</source>
        <translation>联系我们</translation>
    </message>
    <message>
        <source>EV Motiview service

Supplier: (your controller supplier)
Web: (supplier web page)
Mail: (supplier service address)</source>
        <translation>EV Motiview 服务

供应商：（您的控制器供应商）
网址：（供应商网页）
邮箱：（供应商服务邮箱）</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>连接</translation>
    </message>
    <message>
        <source>%1 plugged in:</source>
        <translation>已插入 %1：</translation>
    </message>
    <message>
        <source>Job %1 (%2)</source>
        <translation>工单 %1 (%2)</translation>
    </message>
    <message>
        <source>info</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>The %1 translation cannot be loaded; the window stays in English.</source>
        <translation>无法加载 %1 翻译，界面保持英文。</translation>
    </message>
</context>
<context>
    <name>motiview::MonitorView</name>
    <message>
        <source>System RealTime info</source>
        <translation>系统实时信息</translation>
    </message>
    <message>
        <source>Error infomation</source>
        <translation>故障信息</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>当前</translation>
    </message>
    <message>
        <source>History</source>
        <translation>历史</translation>
    </message>
    <message>
        <source>Error description</source>
        <translation>故障描述</translation>
    </message>
</context>
<context>
    <name>motiview::PageWindow</name>
    <message>
        <source>read</source>
        <translation>读取</translation>
    </message>
    <message>
        <source>write</source>
        <translation>写入</translation>
    </message>
    <message>
        <source>controller holds %1</source>
        <translation>控制器中为 %1</translation>
    </message>
    <message>
        <source>1 field edited, not written</source>
        <translation>1 个参数已修改，未写入</translation>
    </message>
    <message>
        <source>%1 fields edited, not written</source>
        <translation>%1 个参数已修改，未写入</translation>
    </message>
    <message>
        <source>info</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Read the parameters from the controller before writing them.</source>
        <translation>请先从控制器读取参数，再写入。</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>警告</translation>
    </message>
</context>
<context>
    <name>motiview::ParameterFlows</name>
    <message>
        <source>Parameter files (*.json)</source>
        <translation>参数文件 (*.json)</translation>
    </message>
    <message>
        <source>Save parameters</source>
        <translation>保存参数</translation>
    </message>
    <message>
        <source>Compare with file</source>
        <translation>与文件比较</translation>
    </message>
    <message>
        <source>Restore parameters</source>
        <translation>恢复参数</translation>
    </message>
    <message>
        <source>%1 cannot be used: %2 %3</source>
        <translation>无法使用 %1：%2 %3</translation>
    </message>
    <message>
        <source>Nothing was sent.</source>
        <translation>未发送任何内容。</translation>
    </message>
    <message>
        <source>Writing %1 (%2 of %3)...</source>
        <translation>正在写入 %1（%2/%3）...</translation>
    </message>
    <message>
        <source>Reading %1 (%2 of %3)...</source>
        <translation>正在读取 %1（%2/%3）...</translation>
    </message>
    <message>
        <source>Stopping after %1...</source>
        <translation>将在 %1 之后停止...</translation>
    </message>
    <message>
        <source>Nothing was saved.</source>
        <translation>未保存任何内容。</translation>
    </message>
    <message>
        <source>Nothing was compared.</source>
        <translation>未进行比较。</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>未写入任何内容。</translation>
    </message>
    <message>
        <source>Cancelled. %1</source>
        <translation>已取消。%1</translation>
    </message>
    <message>
        <source>%1 did not answer (%2). %3</source>
        <translation>%1 无应答（%2）。%3</translation>
    </message>
    <message>
        <source>Saved %1 pages to %2</source>
        <translation>已将 %1 个页面保存到 %2</translation>
    </message>
    <message>
        <source>Restore from %1:</source>
        <translation>从 %1 恢复：</translation>
    </message>
    <message>
        <source>Written and verified: %1.</source>
        <translation>已写入并校验：%1。</translation>
    </message>
    <message>
        <source>Written, but the controller holds other values for: %1.</source>
        <translation>已写入，但控制器中以下参数的值不同：%1。</translation>
    </message>
    <message>
        <source>Stopped at %1.</source>
        <translation>停止于 %1。</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>已取消。</translation>
    </message>
    <message>
        <source>Not written: %1.</source>
        <translation>未写入：%1。</translation>
    </message>
</context>
<context>
    <name>motiview::PlotWindow</name>
    <message>
        <source>%1 - Plot</source>
        <translation>%1 - 曲线</translation>
    </message>
    <message>
        <source>Live plots</source>
        <translation>实时曲线</translation>
    </message>
    <message>
        <source>time since the recording started [s]</source>
        <translation>记录开始后的时间 [s]</translation>
    </message>
    <message>
        <source>time since start [h:min:s]</source>
        <translation>启动后的时间 [h:min:s]</translation>
    </message>
    <message>
        <source>Curve</source>
        <translation>曲线</translation>
    </message>
    <message>
        <source>Axis</source>
        <translation>坐标轴</translation>
    </message>
    <message>
        <source>left</source>
        <translation>左</translation>
    </message>
    <message>
        <source>right</source>
        <translation>右</translation>
    </message>
    <message>
        <source>All</source>
        <translation>全部</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>时间窗</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Save image...</source>
        <translation>保存图片...</translation>
    </message>
    <message>
        <source>Size of the saved image</source>
        <translation>保存图片的尺寸</translation>
    </message>
    <message>
        <source>Window size</source>
        <translation>窗口尺寸</translation>
    </message>
    <message>
        <source>Save visible range as CSV...</source>
        <translation>可见范围存为 CSV...</translation>
    </message>
    <message>
        <source>Click: cursor A
Right-click or Shift+click: cursor B
Drag: move in time
Wheel: zoom in time</source>
        <translation>单击：光标 A
右键单击或 Shift+单击：光标 B
拖动：沿时间平移
滚轮：时间缩放</translation>
    </message>
    <message>
        <source>Click: cursor A
Right-click or Shift+click: cursor B</source>
        <translation>单击：光标 A
右键单击或 Shift+单击：光标 B</translation>
    </message>
    <message>
        <source>Clear cursors</source>
        <translation>清除光标</translation>
    </message>
    <message>
        <source>%1 rows, %2 s</source>
        <translation>%1 行，%2 s</translation>
    </message>
    <message>
        <source>no samples</source>
        <translation>无采样点</translation>
    </message>
    <message>
        <source>%1: an image is saved as .png or .pdf.</source>
        <translation>%1：图片只能保存为 .png 或 .pdf。</translation>
    </message>
    <message>
        <source>An image of %1x%2 pixels cannot be saved: each side is %3 to %4 pixels.</source>
        <translation>无法保存 %1x%2 像素的图片：每边须为 %3 至 %4 像素。</translation>
    </message>
    <message>
        <source>%1 cannot be written.</source>
        <translation>无法写入 %1。</translation>
    </message>
    <message>
        <source>Saved %1 (%2x%3)</source>
        <translation>已保存 %1 (%2x%3)</translation>
    </message>
    <message>
        <source>This window has no rows to save.</source>
        <translation>此窗口没有可保存的数据行。</translation>
    </message>
    <message>
        <source>No rows in the shown time window; nothing was saved.</source>
        <translation>显示的时间窗内没有数据行，未保存任何内容。</translation>
    </message>
    <message>
        <source>Saved %1 rows to %2</source>
        <translation>已将 %1 行保存到 %2</translation>
    </message>
    <message>
        <source>Save image</source>
        <translation>保存图片</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG 图片 (*.png)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF 文档 (*.pdf)</translation>
    </message>
    <message>
        <source>Save visible range as CSV</source>
        <translation>可见范围存为 CSV</translation>
    </message>
    <message>
        <source>Recordings (*.csv)</source>
        <translation>记录文件 (*.csv)</translation>
    </message>
</context>
<context>
    <name>motiview::ProgressDialog</name>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>motiview::Recorder</name>
    <message>
        <source>Recording %1: %2 rows, %3 s</source>
        <translation>正在记录 %1：%2 行，%3 s</translation>
    </message>
</context>
<context>
    <name>motiview::Report</name>
    <message>
        <source>not read</source>
        <translation>未读取</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>工单号</translation>
    </message>
    <message>
        <source>Technician</source>
        <translation>技师</translation>
    </message>
    <message>
        <source>Vehicle / customer</source>
        <translation>车辆 / 客户</translation>
    </message>
    <message>
        <source>Complaint</source>
        <translation>报修内容</translation>
    </message>
    <message>
        <source>Work done</source>
        <translation>维修内容</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>开始时间</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>完成时间</translation>
    </message>
    <message>
        <source>not finished</source>
        <translation>未完成</translation>
    </message>
    <message>
        <source>State</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Report id</source>
        <translation>报告编号</translation>
    </message>
    <message>
        <source>Tool version</source>
        <translation>软件版本</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>生成时间</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>控制器</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>序列号</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>用户名</translation>
    </message>
    <message>
        <source>Faults</source>
        <translation>故障</translation>
    </message>
    <message>
        <source>As found</source>
        <translation>维修前</translation>
    </message>
    <message>
        <source>As left</source>
        <translation>维修后</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>当前</translation>
    </message>
    <message>
        <source>History</source>
        <translation>历史</translation>
    </message>
    <message>
        <source>Faults during the job</source>
        <translation>维修过程中的故障</translation>
    </message>
    <message>
        <source>No fault came or went.</source>
        <translation>维修过程中无故障出现或消除。</translation>
    </message>
    <message>
        <source>Parameters changed</source>
        <translation>参数变更</translation>
    </message>
    <message>
        <source>Not read: the parameters were not read both as found and as left, so no change can be shown.</source>
        <translation>未读取：未在维修前和维修后均读取参数，因此无法列出变更。</translation>
    </message>
    <message>
        <source>No parameter was changed.</source>
        <translation>未更改任何参数。</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>页面</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>参数</translation>
    </message>
    <message>
        <source>Writes</source>
        <translation>参数写入</translation>
    </message>
    <message>
        <source>Hall tests</source>
        <translation>霍尔测试</translation>
    </message>
    <message>
        <source>No hall test was run.</source>
        <translation>未进行霍尔测试。</translation>
    </message>
    <message>
        <source>Calibration count resets</source>
        <translation>校准计数清零</translation>
    </message>
    <message>
        <source>Live values</source>
        <translation>实时数据</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>数据项</translation>
    </message>
    <message>
        <source>(file not found, no plot)</source>
        <translation>（未找到文件，无曲线图）</translation>
    </message>
    <message>
        <source>(no rows to plot)</source>
        <translation>（无可绘制的数据）</translation>
    </message>
    <message>
        <source>(plot could not be drawn)</source>
        <translation>（无法绘制曲线图）</translation>
    </message>
    <message>
        <source>voltage, current and speed over time</source>
        <translation>电压、电流和转速随时间的变化</translation>
    </message>
    <message>
        <source>Recordings</source>
        <translation>数据记录</translation>
    </message>
    <message>
        <source>No recording was made.</source>
        <translation>未进行数据记录。</translation>
    </message>
    <message>
        <source>row</source>
        <translation>行</translation>
    </message>
    <message>
        <source>rows</source>
        <translation>行</translation>
    </message>
    <message>
        <source>Signature</source>
        <translation>签名</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>客户</translation>
    </message>
    <message>
        <source>Service report</source>
        <translation>维修报告</translation>
    </message>
    <message>
        <source>Service report, job %1</source>
        <translation>维修报告，工单 %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>第 %1 页，共 %2 页</translation>
    </message>
    <message>
        <source>Compared with</source>
        <translation>比较基准</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>无</translation>
    </message>
    <message>
        <source>report id %1</source>
        <translation>报告编号 %1</translation>
    </message>
</context>
<context>
    <name>motiview::ServiceLog</name>
    <message>
        <source>The service history cannot be used: %1. Nothing is kept this run.</source>
        <translation>维修记录无法使用：%1。本次运行不保存任何记录。</translation>
    </message>
    <message>
        <source>Job %1 was left open; it is kept as not completed.</source>
        <translation>工单 %1 上次未关闭，已记为未完成。</translation>
    </message>
    <message>
        <source>Start &amp;job...</source>
        <translation>开始工单(&amp;J)...</translation>
    </message>
    <message>
        <source>&amp;Finish job...</source>
        <translation>完成工单(&amp;F)...</translation>
    </message>
    <message>
        <source>Keep service &amp;history</source>
        <translation>保存维修记录(&amp;H)</translation>
    </message>
    <message>
        <source>Service &amp;history...</source>
        <translation>维修记录(&amp;H)...</translation>
    </message>
    <message>
        <source>Needs the service history (Options)</source>
        <translation>需要启用维修记录（选项）</translation>
    </message>
    <message>
        <source> - job %1</source>
        <translation> - 工单 %1</translation>
    </message>
    <message>
        <source>The controller did not answer: the report says &quot;not read&quot; for as left.</source>
        <translation>控制器无应答：报告中“维修后”记为“未读取”。</translation>
    </message>
    <message>
        <source>The controller did not answer: as found is not read.</source>
        <translation>控制器无应答：未读取“维修前”状态。</translation>
    </message>
    <message>
        <source>Job %1 started; reading the controller as found...</source>
        <translation>工单 %1 已开始，正在读取控制器维修前状态...</translation>
    </message>
    <message>
        <source>The controller is not online: the report says &quot;not read&quot; for as left.</source>
        <translation>控制器不在线：报告中“维修后”记为“未读取”。</translation>
    </message>
    <message>
        <source>Reading the controller as left...</source>
        <translation>正在读取控制器维修后状态...</translation>
    </message>
    <message>
        <source>Write service report</source>
        <translation>生成维修报告</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The job stays open: Finish job... writes its report.</source>
        <translation>工单保持打开：“完成工单...”会生成其报告。</translation>
    </message>
    <message>
        <source>%1 The job stays open.</source>
        <translation>%1 工单保持打开。</translation>
    </message>
    <message>
        <source>Report %1 written to %2</source>
        <translation>报告 %1 已写入 %2</translation>
    </message>
    <message>
        <source>The service history is not open.</source>
        <translation>维修记录未打开。</translation>
    </message>
    <message>
        <source>The service history cannot be used: %1</source>
        <translation>维修记录无法使用：%1</translation>
    </message>
    <message>
        <source>Service history</source>
        <translation>维修记录</translation>
    </message>
</context>
<context>
    <name>motiview::TrafficModel</name>
    <message>
        <source>Time [ms]</source>
        <translation>时间 [ms]</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>方向</translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation>字节</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>含义</translation>
    </message>
</context>
<context>
    <name>motiview::TrafficWindow</name>
    <message>
        <source>Sent: %1</source>
        <translation>发送：%1</translation>
    </message>
    <message>
        <source>Received: %1</source>
        <translation>接收：%1</translation>
    </message>
    <message>
        <source>Broken: %1</source>
        <translation>损坏：%1</translation>
    </message>
    <message>
        <source>Unknown: %1</source>
        <translation>未知：%1</translation>
    </message>
    <message>
        <source>Discarded: %1 bytes</source>
        <translation>丢弃：%1 字节</translation>
    </message>
    <message>
        <source>Silences: %1</source>
        <translation>静默：%1</translation>
    </message>
    <message>
        <source>Retries: %1</source>
        <translation>重试：%1</translation>
    </message>
    <message>
        <source>Traffic monitor</source>
        <translation>通信监视</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清空</translation>
    </message>
    <message>
        <source>Hide status frames</source>
        <translation>隐藏状态帧</translation>
    </message>
    <message>
        <source>Save as text...</source>
        <translation>另存为文本...</translation>
    </message>
    <message>
        <source>Cannot save &quot;%1&quot;: %2</source>
        <translation>无法保存“%1”：%2</translation>
    </message>
    <message>
        <source>Save traffic as text</source>
        <translation>将通信数据另存为文本</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>文本文件 (*.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>所有文件 (*)</translation>
    </message>
</context>
</TS>
